// The settings dialog: the colours of the main window's captions and the
// language of the element names on one page, the information about the
// program on the other. It edits a copy of the current values and hands it
// to the main window on "Zastosuj" or "OK".
#pragma once

#include "widgets/Colors.h"

#include <QDialog>

#include <functional>

class MainWindowLink;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QTextEdit;
class QToolButton;
class TPrzycisk;

// The dialog's working copy of the values it edits; rebuilt at every
// activation, meaningful only while the dialog is shown.
struct TPendingScheme {
    TColor app_buttons = 0;
    TColor app_legend = 0;
    TColor app_info = 0;
    bool but_transp = true;
    bool latin = false;

    bool operator==(const TPendingScheme&) const = default;
};
extern TPendingScheme PendingScheme;

// A paint box: a plain area whose owner paints it through OnPaint.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    std::function<void()> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A 1-pixel black frame around a field of color, over the whole box. Call
// from the box's paint handler.
void PaintSwatch(QWidget& box, TColor color);

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // Applied settings go to window.
    explicit TForm4(MainWindowLink& window, QWidget* parent = nullptr);

    QToolButton* ToolButton1;
    QToolButton* ToolButton2;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    TPaintBox* PaintBox1;
    TPrzycisk* Przycisk1;
    QLabel* Label2;
    TPaintBox* PaintBox2;
    TPrzycisk* Przycisk2;
    // The button-colour row and the check box lie below GroupBox1's height
    // and are never seen; the check box still takes the focus.
    QLabel* Label3;
    TPaintBox* PaintBox3;
    TPrzycisk* Przycisk3;
    QCheckBox* CheckBox1;
    QGroupBox* GroupBox2;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QWidget* TabSheet2;
    QTextEdit* Memo1; // the information, read-only but selectable
    TPrzycisk* Przycisk4;
    TPrzycisk* Przycisk5;
    TPrzycisk* Przycisk6;

    void FormActivate();
    void ToolButton1Click();
    void ToolButton1MouseEnter();
    void ToolButton1MouseLeave();
    void ToolButton2Click();
    void ToolButton2MouseEnter();
    void ToolButton2MouseLeave();
    void PaintBox1Paint();
    void PaintBox2Paint();
    void PaintBox3Paint();
    void Przycisk1Click(); // "Zmień kolor", descriptions
    void Przycisk2Click(); // "Zmień kolor", markings
    void Przycisk3Click(); // "Zmień kolor", buttons (hidden row)
    void ComboBox1Change();
    void CheckBox1Click();
    void Przycisk4Click(); // "Zastosuj"
    void Przycisk5Click(); // "OK"
    void Przycisk6Click(); // "Anuluj"
    // Esc closes the dialog without applying; true when the key was used.
    bool FormKeyDown(int key);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateInformationPage();
    // Shows page (TabSheet1 or TabSheet2) and remembers it for the next
    // opening; its button's caption goes bold, the other's regular.
    void ShowPage(QWidget* page);
    // The page buttons' hover colour, also shown while they have the focus.
    void PageButtonEvent(QToolButton* button, QEvent* event, void (TForm4::*enter)(), void (TForm4::*leave)());
    // Lets the user pick a colour for one row; repaints its swatch if chosen.
    void ChangeColor(TColor& pending, QWidget& swatch);

    MainWindowLink& m_window;
    // The first opening in a run shows the information; later ones the page
    // last shown, whichever way the dialog was closed.
    QWidget* m_shownPage = nullptr;
};
