// The table print dialog: what the wall chart's cells show, its scale, its
// fonts and its information field, with a preview of one cell; prints the
// chart, a test print, and opens the printer setup.
#pragma once

#include "print/Chart.h"

#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class TPrzycisk;

// True for a non-empty text made of the digits 0-9 only.
bool IsDigits(const QString& text);

// Checks the value typed into a size or scale list: digits within lo..hi
// select the matching row (rows run from hi down to 1) and give true;
// anything else shows an error box and gives false.
bool CheckSizeCombo(QComboBox& list, int lo, int hi);

// The question of the print button while Warn1 is set.
extern const QString PrintSettingsQuestion;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Rows of the size lists ("25" down to "01") and of the scale list.
    static constexpr int SizeRowCount = 25;
    static constexpr int ScaleRowCount = 20;

    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QGroupBox* GroupBox4;
    QGroupBox* GroupBox5;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QComboBox* Dane1;
    QComboBox* dane2;
    QComboBox* dane3;
    QComboBox* Scale;
    QComboBox* f1;
    QComboBox* f2;
    QComboBox* f3;
    QWidget* PBox;
    QComboBox* FontComboBox1;
    QCheckBox* bold1;
    QPlainTextEdit* dodatkowe;
    QLabel* Image1;
    TPrzycisk* Przycisk1;
    TPrzycisk* Przycisk2;
    TPrzycisk* Przycisk3;
    TPrzycisk* Przycisk4;
    TPrzycisk* Przycisk5;

    // The chart font. The font list is filled only when the dialog is first
    // shown or the drawing needs it; until then the name given here is kept
    // and selected (without regard to case) once the list is filled. A name
    // the list lacks, or an empty one, leaves no row selected.
    QString FontName() const;
    void SetFontName(const QString& name);
    bool FontListFilled() const { return m_fontsFilled; }

    // The information field, one text per line.
    QStringList InfoLines() const;
    void SetInfoLines(const QStringList& lines);
    // The lines the field gives back after being given these.
    static QStringList FieldKeeps(const QStringList& lines);

    // What the drawing reads from the controls. A size list without a
    // selected row keeps the default size.
    ChartInputs ChartInputsFromControls();

    // The control values a first start holds: the settings store's defaults.
    void SetStartDefaults();

    // The preview as last drawn by CloseClick.
    const QImage& PreviewImage() const { return m_preview; }

    void FormActivate();
    void CloseClick();
    void Przycisk1Click();
    void Przycisk2Click();
    void Przycisk3Click();
    void Przycisk4Click();
    void Przycisk5Click();
    // Esc closes the dialog; true when the key was used.
    bool FormKeyPress(int key);
    void FormClose();

    void done(int result) override;

signals:
    void PreviewDrawn();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void EnsureFontList();
    void MakeListsEditable();
    void PrintChart(ChartMode mode);
    bool CheckUnselectedSizes();
    void EndOpenJob();

    QImage m_preview;
    QPainter m_job; // the print job on the shared printer
    // The name kept until the list is filled: the design face while
    // m_designFontPending, else m_pendingFont.
    QString PendingFont() const;
    QString m_pendingFont;
    bool m_designFontPending = false;
    bool m_fontsFilled = false;
    bool m_listsEditable = false;
    bool m_printing = false;
};
