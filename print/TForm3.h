// The data report dialog: the elements to report, the font and its size;
// prints the report and opens the printer setup.
#pragma once

#include "data/PrintSettings.h"

#include <QDialog>
#include <QString>

#include <vector>

class FontList;
class QLabel;
class QListWidget;
class SizeList;
class TPrzycisk;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* RxCheckListBox1;
    TPrzycisk* Przycisk1;
    TPrzycisk* Przycisk2;
    TPrzycisk* Przycisk3;
    TPrzycisk* Przycisk4;
    TPrzycisk* Przycisk5;
    TPrzycisk* Przycisk6;
    TPrzycisk* Przycisk7; // "Podgląd wydruku"
    QLabel* Label2;
    FontList* FontComboBox1;
    QLabel* Label3;
    SizeList* f1;
    QLabel* Label4;
    QLabel* probka;

    // The stored settings into the controls, and back.
    void ApplySettings(const ReportPrintSettings& settings);
    ReportPrintSettings Settings() const;

    // Ticks or unticks every row.
    void TickAll(bool ticked);
    bool AnyChecked() const;
    // The atomic numbers of the ticked rows, ascending.
    std::vector<int> CheckedElements() const;

    // Shows the dialog without blocking the other windows, with only
    // element z ticked and its row selected and in view.
    void ShowFor(int z);

    void FormShow();
    void Przycisk1Click();
    void Przycisk2Click();
    void Przycisk3Click();
    void Przycisk4Click();
    void Przycisk5Click();
    void Przycisk6Click();
    void Przycisk7Click();
    void FontComboBox1Change();
    // Esc closes the dialog; true when the key was used.
    bool RxCheckListBox1KeyPress(int key);
    void FormClose();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    // Checks what a print needs: a ticked element and a valid size.
    bool ReadyToPrint();
    QFont ChosenFont();

    bool m_printing = false;
};
