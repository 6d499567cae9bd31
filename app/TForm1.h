// The main window: the periodic table, the data panel, search, export, the
// toolbar and the clock. Its behaviour is spread over a few files by topic:
// TForm1.cpp (creation, shutdown, skin and event routing), TableView.cpp,
// DataPanel.cpp, SearchBox.cpp, Export.cpp and Chrome.cpp. Each topic file
// handles the events of its own controls.
#pragma once

#include "data/DaneTypes.h"
#include "data/ElementTables.h"
#include "data/MainWindowLink.h"

#include <QEvent>
#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QTableWidget;
class QToolButton;
class TTlo;
class TZfkButton97;

// The 111 element buttons, index Z - 1.
extern std::array<TZfkButton97*, ElementCount> ElementButtons;

class TForm1 : public QWidget, public MainWindowLink {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    // The program never destroys its main window (it ends with the process);
    // a window destroyed earlier, as in tests, first lets its clock finish.
    ~TForm1() override;

    // Table view
    void BuildButtonTable();
    void InitElementButtons();
    void ElementClick(int z);
    void ElementMouseEnter(int z);
    void ShowElementStatus(int z);
    void HMouseExit(QObject* sender);
    void RClick(QObject* sender);
    void ClearSelection();
    void NavigateTo(int n);
    void SetLatin(bool latin) override;
    void SetProgramInterface();
    void ChangeResource(int flag);
    void eMove();
    void Image1Click();

    // Data panel
    void ShowElementData(int z);
    void DaneMouseMove(int x, int y);
    void DaneEnter();

    // Search
    void SearchElement(const QString& text);
    void SzukajButtonClick();
    void SzukajButtonMouseEnter();
    void SzukajMouseMove();

    // Export
    void CopyElementData();
    void SaveElementData();

    // Toolbar and chrome
    void OriginalToolbarButton971Click();
    void OriginalToolbarButton972Click();
    void OriginalToolbarButton973Click();
    void OriginalToolbarButton974Click();
    void ToolbarButton971Click();
    void ToolbarButton972Click();
    void ToolbarButton973Click();
    void ToolbarButton974Click();
    // The exit question; Yes closes the main window, which ends the program.
    void AskToQuit();
    void FormShow();
    void CheckScreenSize(const QSize& screen);

    // Settings and skin
    void ReadReg();
    void WriteReg();
    void loadskin(const QString& name, TColor transparent) override;
    void RepaintWindow() override;
    void FormPaint(QPainter& painter);

    // The status line: explanations of what the pointer is over.
    void SetStatus(const QString& text);

    // Components, named as the window's design names them.
    QLabel* Image1 = nullptr;    // the banner
    QLabel* Podglad = nullptr;   // the status line
    std::array<QLabel*, 18> a{}; // group numbers a1..a18
    std::array<QLabel*, 7> b{};  // period numbers b1..b7
    QLabel* lantanowce = nullptr;
    QLabel* aktynowce = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label36 = nullptr;
    QLabel* Label37 = nullptr;
    QTableWidget* Dane = nullptr;
    QLabel* szukany = nullptr;
    QLineEdit* Szukaj = nullptr;
    QToolButton* SzukajButton = nullptr; // the box's embedded button
    QLabel* zegar = nullptr;
    QToolButton* OriginalToolbarButton971 = nullptr; // "Kopiuj dane"
    QToolButton* OriginalToolbarButton972 = nullptr; // "Zapisz dane do pliku txt"
    QToolButton* OriginalToolbarButton973 = nullptr; // "Wydrukuj dane"
    QToolButton* OriginalToolbarButton974 = nullptr; // "Wydruk Zefiraku"
    QToolButton* ToolbarButton971 = nullptr;         // "Wydruk Raportu"
    QToolButton* ToolbarButton972 = nullptr;         // close
    QToolButton* ToolbarButton973 = nullptr;         // minimise
    QToolButton* ToolbarButton974 = nullptr;         // "Informacja i Ustawienia Programu"
    TTlo* Tlo = nullptr;                             // the clock thread

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The creation handler; runs once, from the constructor.
    void FormActivate();
    void FormClose();
    void FormMouseDown(QMouseEvent* event);

    void PrepareSponsorPanel();
    void StartClock();
    void PrepareDataPanel();
    void CreateClipboard();
    void HookSearchButton();

    void CreateTableCaptions();
    void CreateSearchBox();
    void CreateToolbar();
    // Each topic's share of the event filter; true when the event is used up.
    bool SearchBoxEvent(QObject* watched, QEvent* event);
    bool BannerEvent(QObject* watched, QEvent* event);
    bool DataPanelEvent(QObject* watched, QEvent* event);
    bool ToolbarEvent(QObject* watched, QEvent* event);

    bool SzukajKeyDown(QKeyEvent* event);
    bool SzukajKeyPress(QKeyEvent* event);
    void SzukajTextEdited(const QString& text);
    bool ToolbarPointer(QObject* watched, QEvent::Type type);
    void SetToolbarPictures(bool minimiseHot, bool closeHot);

    bool shownOnce = false;
    bool compactLayout = false;
    bool manualDrag = false;
    QPoint dragOffset;
};
