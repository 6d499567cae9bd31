// The table print dialog: what the wall chart's cells show, its scale, its
// fonts and its information field, with a preview of one cell; prints the
// chart, a test print, and opens the printer setup; saves the chart as a
// PDF, SVG or PNG file.
#pragma once

#include "data/PrintSettings.h"
#include "print/Chart.h"
#include "print/ChartImage.h"
#include "print/Poster.h"

#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

class ChoiceList;
class FontList;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPrinter;
class SizeList;
class TPrzycisk;

// The question of the print button while Warn1 is set.
extern const QString PrintSettingsQuestion;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

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
    ChoiceList* Dane1;
    ChoiceList* dane2;
    ChoiceList* dane3;
    SizeList* Scale;
    SizeList* f1;
    SizeList* f2;
    SizeList* f3;
    QWidget* PBox;
    FontList* FontComboBox1;
    QCheckBox* bold1;
    QPlainTextEdit* dodatkowe;
    QLabel* Image1;
    TPrzycisk* Przycisk1;
    TPrzycisk* Przycisk2;
    TPrzycisk* Przycisk3;
    TPrzycisk* Przycisk4;
    TPrzycisk* Przycisk5;
    TPrzycisk* Przycisk6; // "Podgląd wydruku"
    TPrzycisk* Przycisk7; // "Zapisz jako obraz…"
    QCheckBox* CheckBox1; // "Plakat z arkuszy": the chart on several sheets
    QComboBox* ComboBox1; // the poster's grid, columns by rows

    // The stored settings into the controls, and back. The information
    // field gives back its lines exactly as given until it is edited.
    void ApplySettings(const TablePrintSettings& settings);
    TablePrintSettings Settings() const;

    // What the drawing reads from the controls. A size list without a
    // selected row keeps the default size.
    ChartInputs ChartInputsFromControls();

    void FormActivate();
    // The dialog's paint handler and the preview's changes: the sample cell
    // drawn again.
    void CloseClick();
    void Przycisk1Click();
    void Przycisk2Click();
    void Przycisk3Click();
    void Przycisk4Click();
    void Przycisk5Click();
    void Przycisk6Click();
    void Przycisk7Click();
    // The grids that hold the chart at the scale on the printer's paper, the
    // smallest chosen unless the user picked one that still holds.
    void RefreshPosterGrids();
    // The chosen grid when the poster is ticked.
    std::optional<PosterGrid> PosterGridChosen() const;
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
    void CreatePosterControls();
    // False, after saying so, when the poster's grid does not hold the
    // chart on the printer's paper.
    bool PosterFitsPaper(QPrinter& printer);
    // Draws the sample cell of the preview as the controls ask.
    void RedrawPreview();
    void PrintChart(ChartMode mode);
    // Checks the typed text of every size list with no row chosen.
    bool CheckTypedSizes();
    void EndOpenJob();
    // What "Wydrukuj układ" puts on the pages of device: the chart at scale
    // e, or the poster's sheets while "Plakat z arkuszy" is ticked (false
    // when the grid does not hold on device's paper or a page could not be
    // started). The preview and the PDF saved from the dialog are drawn by it.
    bool DrawChartPages(QPainter& canvas, QPagedPaintDevice& device, int e, const ChartInputs& inputs);
    // The chart as the controls ask, as a whole file of kind; empty when it
    // could not be made.
    QByteArray ChartFileBytes(ChartFileKind kind);
    QStringList FieldLines() const;

    QImage m_preview;
    QPainter m_job; // the print job on the shared printer
    QStringList m_fieldGiven;
    bool m_printing = false;
    bool m_posterGridPicked = false;                // by the user: the default no longer follows
    bool m_saving = false;                          // Przycisk7's save runs
    ChartFileKind m_savedKind = ChartFileKind::Pdf; // offered first by the next save
};
