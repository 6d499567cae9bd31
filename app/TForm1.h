// The main window: the periodic table, the data panel, search and toolbar.
#pragma once

#include <QWidget>

class QLabel;
class QCloseEvent;

// The atomic number of the selected element, -1 when none is selected.
extern int SelectedElement;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    void SetLatin(bool latin);
    void ReadReg();
    void WriteReg();

    QLabel* Image1;  // the banner
    QLabel* Podglad; // the status line

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The creation handler; runs once, from the constructor.
    void FormActivate();
    void FormClose();

    void PrepareSponsorPanel();
    void StartClock();
    void PrepareDataPanel();
    void BuildButtonTable();
    void InitElementButtons();
    void CreateClipboard();
    void HookSearchButton();
};
