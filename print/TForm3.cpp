#include "print/TForm3.h"

#include "data/ElementTables.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"
#include "print/ReportPrint.h"
#include "print/ReportText.h"
#include "print/SizeCheck.h"
#include "widgets/DialogParts.h"
#include "widgets/Look.h"
#include "widgets/PrintLists.h"
#include "widgets/Przycisk.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QStyledItemDelegate>

namespace {

constexpr int RowHeight = 13;

// Rows of the element list keep the fixed height whatever the style asks.
class FixedRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
    }
};

} // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    // One row taller than the controls need: the preview button below them.
    SetUpDialog(*this, QStringLiteral("Wydruk raportowy danych"), QSize(256, 265));

    CreateControls();
}

void TForm3::CreateControls()
{
    auto label = [this](const char* name, const QString& text, QRect r) { return DialogLabel(this, name, text, r); };
    Label1 = new QLabel(QStringLiteral("Wybierz pierwiastki których dane chcesz wydrukować:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    // Across the dialog, above the buttons: in the column of the list the
    // sentence would take three lines and be cut at both ends.
    Label1->setGeometry(8, 8, 240, 26);
    Label2 = label("Label2", QStringLiteral("Nazwa Czcionki:"), {8, 200, 79, 13});
    Label3 = label("Label3", QStringLiteral("Rozmiar:"), {136, 200, 41, 13});
    Label4 = label("Label4", QStringLiteral("Próbka tekstu:"), {184, 200, 69, 13});

    probka = new QLabel(QStringLiteral("H - Wodór"), this);
    probka->setObjectName(QStringLiteral("probka"));
    probka->setGeometry(184, 218, 61, 16);
    probka->setFont(Face(DesignFont(), 13));

    RxCheckListBox1 = new QListWidget(this);
    RxCheckListBox1->setObjectName(QStringLiteral("RxCheckListBox1"));
    RxCheckListBox1->setGeometry(8, 40, 129, 153);
    RxCheckListBox1->setItemDelegate(new FixedRowDelegate(RxCheckListBox1));
    RxCheckListBox1->setUniformItemSizes(true);
    RxCheckListBox1->installEventFilter(this);

    FontComboBox1 = new FontList(this, "FontComboBox1", {8, 216, 121, 20}, FontList::Symbols::LeftOut);
    FontComboBox1->installEventFilter(this);
    connect(FontComboBox1, &QComboBox::currentIndexChanged, this, &TForm3::FontComboBox1Change);

    f1 = new SizeList(this, "f1", {136, 216, 41, 21}, MaxFontSize);
    f1->installEventFilter(this);
    f1->lineEdit()->installEventFilter(this);

    auto button = [this](const char* name, const QString& text, QRect r, void (TForm3::*click)()) {
        return DialogButton(this, name, text, r, [this, click] { (this->*click)(); });
    };
    Przycisk3 = button("Przycisk3", QStringLiteral("Zaznacz wszystkie"), {144, 40, 105, 21}, &TForm3::Przycisk3Click);
    Przycisk4 = button("Przycisk4", QStringLiteral("Odznacz wszystkie"), {145, 64, 105, 21}, &TForm3::Przycisk4Click);
    Przycisk6 = button("Przycisk6", QStringLiteral("Domyślne paramtery"), {145, 92, 105, 21}, &TForm3::Przycisk6Click);
    Przycisk5 =
        button("Przycisk5", QStringLiteral("Ustawienia drukarki"), {145, 120, 104, 21}, &TForm3::Przycisk5Click);
    Przycisk1 = button("Przycisk1", QStringLiteral("Drukuj"), {144, 144, 105, 21}, &TForm3::Przycisk1Click);
    Przycisk2 = button("Przycisk2", QStringLiteral("Anuluj"), {144, 168, 105, 21}, &TForm3::Przycisk2Click);
    Przycisk7 = button("Przycisk7", QStringLiteral("Podgląd wydruku"), {144, 242, 105, 21}, &TForm3::Przycisk7Click);

    // By rows: the list and the buttons beside it, then the font, its size
    // and the preview button below.
    ChainTabStops({RxCheckListBox1, Przycisk3, Przycisk4, Przycisk6, Przycisk5, Przycisk1, Przycisk2, FontComboBox1, f1,
                   Przycisk7});
    NameByLabel(Label1, RxCheckListBox1);
    NameByLabel(Label2, FontComboBox1);
    NameByLabel(Label3, f1);
}

void TForm3::ApplySettings(const ReportPrintSettings& settings)
{
    FontComboBox1->SetName(settings.fontName);
    f1->SetValue(settings.size);
}

ReportPrintSettings TForm3::Settings() const { return {FontComboBox1->Name(), f1->Value()}; }

void TForm3::FormShow()
{
    RxCheckListBox1->clear();
    for (const TShortPierwData& e : ShortTable) {
        auto* row = new QListWidgetItem(QString::fromStdString(e.Symbol) + QStringLiteral(" - ")
                                            + QString::fromStdString(e.DisplayName),
                                        RxCheckListBox1);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
}

void TForm3::TickAll(bool ticked)
{
    for (int i = 0; i < RxCheckListBox1->count(); ++i)
        RxCheckListBox1->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool TForm3::AnyChecked() const
{
    for (int i = 0; i < RxCheckListBox1->count(); ++i)
        if (RxCheckListBox1->item(i)->checkState() == Qt::Checked)
            return true;
    return false;
}

std::vector<int> TForm3::CheckedElements() const
{
    std::vector<int> elements;
    for (int i = 0; i < RxCheckListBox1->count(); ++i)
        if (RxCheckListBox1->item(i)->checkState() == Qt::Checked)
            elements.push_back(i + 1);
    return elements;
}

void TForm3::ShowFor(int z)
{
    show();
    raise();
    activateWindow();
    TickAll(false);
    if (z < 1 || z > RxCheckListBox1->count())
        return;
    QListWidgetItem* row = RxCheckListBox1->item(z - 1);
    row->setCheckState(Qt::Checked);
    RxCheckListBox1->setCurrentItem(row);
    RxCheckListBox1->scrollToItem(row);
}

bool TForm3::ReadyToPrint()
{
    if (!AnyChecked()) {
        ShowNotice(QStringLiteral("Nie zaznaczono żadnego pierwiastka!"), nkError);
        return false;
    }
    return f1->Value() > 0 || CheckSizeCombo(*f1, 1, MaxFontSize);
}

QFont TForm3::ChosenFont()
{
    FontComboBox1->Fill();
    return ReportFont(FontComboBox1->Name(), f1->Value());
}

void TForm3::Przycisk1Click()
{
    // The job runs inside this handler; a click that reaches it meanwhile
    // (from a nested event loop) must not start a second one.
    if (m_printing || !ReadyToPrint())
        return;
    PrinterService& printers = platform::Printers();
    if (!printers.ExecPrintDialog(this))
        return;

    const TRunningAction running(m_printing, *Przycisk1);
    QString why;
    if (!PrintReportText(printers.Printer(), ChosenFont(), ReportText(CheckedElements()), why)) {
        Przycisk1->SetAktywny(true);
        ShowNotice(why, nkError);
    }
}

void TForm3::Przycisk7Click()
{
    if (m_printing || !ReadyToPrint())
        return;
    const QFont font = ChosenFont();
    const QString text = ReportText(CheckedElements());
    if (platform::Printers().ExecPreviewDialog(this, [&](QPrinter& printer) { DrawReportText(printer, font, text); }))
        Przycisk1Click();
}

void TForm3::Przycisk2Click() { close(); }

void TForm3::Przycisk3Click() { TickAll(true); }

void TForm3::Przycisk4Click() { TickAll(false); }

void TForm3::Przycisk5Click() { platform::Printers().ExecPageSetupDialog(this); }

void TForm3::Przycisk6Click()
{
    FontComboBox1->Fill();
    FontComboBox1->SetName(DesignFont());
    f1->SetValue(12);
    TickAll(false);
    FontComboBox1Change();
}

// The sample shows the face the report will print in, always at 10 points.
void TForm3::FontComboBox1Change() { probka->setFont(Face(ReportFont(FontComboBox1->Name(), 10).family(), 13)); }

bool TForm3::RxCheckListBox1KeyPress(int key)
{
    if (key != Qt::Key_Escape)
        return false;
    close();
    return true;
}

void TForm3::FormClose()
{
    // The typed size gets its box; the dialog closes whatever it says.
    if (f1->Value() == 0)
        CheckSizeCombo(*f1, 1, MaxFontSize);
}

void TForm3::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window coming back from the task bar is not a new showing.
    if (event->spontaneous())
        return;
    FormShow();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && RxCheckListBox1KeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}
