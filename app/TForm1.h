// The main window: the periodic table, the status line and the captions,
// built from parts that are classes of their own (the data panel, the search
// box, the toolbar's buttons, the banner and the clock). The window wires
// them together with signals; its handlers are short.
#pragma once

#include "data/DaneTypes.h"
#include "data/ElementTables.h"
#include "settings/MainWindowLink.h"
#include "widgets/DeferredOnce.h"

#include <QWidget>

#include <array>

class Banner;
class Clock;
class DataPanel;
class QClipboard;
class QFrame;
class QLabel;
class QPainter;
class QToolButton;
class SearchBox;
class TTlo;
class TZfkButton97;
class ToolbarButton;

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
    // An arrow key: the selection goes to that neighbour, or to hydrogen
    // when nothing is selected.
    void WalkTable(int key);
    void SetLatin(bool latin) override;
    void SetProgramInterface();
    // Flag 0 switches to the compact layout for small screens, once.
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
    // Enter searches, the arrow keys walk the table; Esc asks to quit.
    void SzukajKeyDown(int key);
    void SzukajKeyPress(int key);
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
    Banner* Image1 = nullptr;    // the banner
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
    DataPanel* Dane = nullptr;
    QLabel* szukany = nullptr;
    SearchBox* Szukaj = nullptr;
    QToolButton* SzukajButton = nullptr; // the box's embedded button
    Clock* zegar = nullptr;
    ToolbarButton* OriginalToolbarButton971 = nullptr; // "Kopiuj dane"
    ToolbarButton* OriginalToolbarButton972 = nullptr; // "Zapisz dane do pliku txt"
    ToolbarButton* OriginalToolbarButton973 = nullptr; // "Wydrukuj dane"
    ToolbarButton* OriginalToolbarButton974 = nullptr; // "Wydruk Zefiraku"
    ToolbarButton* ToolbarButton971 = nullptr;         // "Wydruk Raportu"
    ToolbarButton* ToolbarButton972 = nullptr;         // close
    ToolbarButton* ToolbarButton973 = nullptr;         // minimise
    ToolbarButton* ToolbarButton974 = nullptr;         // "Informacja i Ustawienia Programu"
    TTlo* Tlo = nullptr;                               // the clock thread

protected:
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

    void StartClock();
    void PrepareDataPanel();
    void CreateClipboard();
    void HookSearchButton();
    void CreateTableCaptions();
    void CreateSearchBox();
    void CreateToolbar();
    void ColourElementButtons();
    void SwitchToCompactLayout();
    // Tab and Shift+Tab go round the toolbar, the search box, the table and
    // the data panel's buttons as they are read. The table is one stop: the
    // selected element's button, or hydrogen's when none is selected.
    void ChainTabStops();
    void MoveTableStop();
    // Runs action from the event loop, the press that asked for it having
    // returned; presses while one waits or its window is open are dropped.
    void RunFromEventLoop(void (TForm1::*action)());

    QClipboard* m_clipboard = nullptr;
    TZfkButton97* m_tableStop = nullptr;
    DeferredOnce m_action;
    bool m_shownOnce = false;
    bool m_compactLayout = false;
    bool m_manualDrag = false;
    QPoint m_dragOffset;
};
