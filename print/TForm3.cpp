#include "print/TForm3.h"

#include "data/ElementTables.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "print/PrintJob.h"
#include "print/ReportPrint.h"
#include "print/ReportText.h"
#include "print/TForm2.h"
#include "widgets/Colors.h"
#include "widgets/DialogParts.h"
#include "widgets/Przycisk.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QStyledItemDelegate>

namespace {

constexpr int RowHeight = 13;
const QString ChooseFromList = QStringLiteral("--Wybierz z listy--");

// Rows of the element list keep the fixed height whatever the style asks.
class FixedRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
    }
};

// Faces that print pictures instead of letters would make the report unreadable.
bool IsSymbolFont(const QString& family)
{
    return QFontDatabase::isPrivateFamily(family)
           || QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    SetUpDialog(*this, QStringLiteral("Wydruk raportowy danych"), QSize(256, 241));

    CreateControls();
    FormCreate();
}

void TForm3::CreateControls()
{
    auto label = [this](const char* name, const QString& text, QRect r) { return DialogLabel(this, name, text, r); };
    Label1 = new QLabel(QStringLiteral("Wybierz pierwiastki których dane chcesz wydrukować:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 8, 128, 26);
    Label2 = label("Label2", QStringLiteral("Nazwa Czcionki:"), {8, 200, 79, 13});
    Label3 = label("Label3", QStringLiteral("Rozmiar:"), {136, 200, 41, 13});
    Label4 = label("Label4", QStringLiteral("Próbka tekstu:"), {184, 200, 69, 13});

    probka = new QLabel(QStringLiteral("H - Wodór"), this);
    probka->setObjectName(QStringLiteral("probka"));
    probka->setGeometry(184, 218, 61, 16);
    probka->setFont(DialogFont(QStringLiteral("Liberation Sans"), 13));

    RxCheckListBox1 = new QListWidget(this);
    RxCheckListBox1->setObjectName(QStringLiteral("RxCheckListBox1"));
    RxCheckListBox1->setGeometry(8, 40, 129, 153);
    RxCheckListBox1->setItemDelegate(new FixedRowDelegate(RxCheckListBox1));
    RxCheckListBox1->setUniformItemSizes(true);
    RxCheckListBox1->installEventFilter(this);

    FontComboBox1 = new QComboBox(this);
    FontComboBox1->setObjectName(QStringLiteral("FontComboBox1"));
    FontComboBox1->setGeometry(8, 216, 121, 20);
    FontComboBox1->setMaxVisibleItems(12);
    FontComboBox1->installEventFilter(this);
    connect(FontComboBox1, &QComboBox::currentIndexChanged, this, &TForm3::FontComboBox1Change);

    f1 = new QComboBox(this);
    f1->setObjectName(QStringLiteral("f1"));
    f1->setGeometry(136, 216, 41, 21);
    f1->setEditable(true);
    f1->setInsertPolicy(QComboBox::NoInsert);
    f1->setCompleter(nullptr); // a typed "1" must stay "1", not become "19"
    f1->setMaxVisibleItems(12);
    for (int v = SizeRowCount; v >= 1; --v)
        f1->addItem(QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')));
    f1->setCurrentIndex(-1);
    f1->setEditText(ChooseFromList);
    f1->installEventFilter(this);
    f1->lineEdit()->installEventFilter(this);
    // Typing leaves the list with no selected row; the typed value is
    // checked before it is used.
    connect(f1->lineEdit(), &QLineEdit::textEdited, f1, [this](const QString& text) {
        if (f1->currentIndex() < 0)
            return;
        const int cursor = f1->lineEdit()->cursorPosition();
        f1->setCurrentIndex(-1);
        f1->setEditText(text);
        f1->lineEdit()->setCursorPosition(cursor);
    });

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

    setTabOrder(RxCheckListBox1, FontComboBox1);
    setTabOrder(FontComboBox1, f1);
}

void TForm3::FormCreate()
{
    // The printer's fonts are the system's; the list is filled when first
    // needed, as enumerating every installed font would slow the start.
}

void TForm3::EnsureFontList()
{
    if (m_fontsFilled)
        return;
    m_fontsFilled = true;
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!IsSymbolFont(family))
            families.append(family);
    FontComboBox1->addItems(families);
    SetFontName(m_pendingFont);
    m_pendingFont.clear();
}

QString TForm3::FontName() const
{
    if (!m_fontsFilled)
        return m_pendingFont;
    return FontComboBox1->currentIndex() < 0 ? QString() : FontComboBox1->currentText();
}

void TForm3::SetFontName(const QString& name)
{
    if (!m_fontsFilled) {
        m_pendingFont = name;
        return;
    }
    FontComboBox1->setCurrentIndex(name.isEmpty() ? -1 : FontComboBox1->findText(name, Qt::MatchFixedString));
}

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

void TForm3::wszystkie(bool ticked)
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
    wszystkie(false);
    if (z < 1 || z > RxCheckListBox1->count())
        return;
    QListWidgetItem* row = RxCheckListBox1->item(z - 1);
    row->setCheckState(Qt::Checked);
    RxCheckListBox1->setCurrentItem(row);
    RxCheckListBox1->scrollToItem(row);
}

void TForm3::Przycisk1Click()
{
    // The job runs inside this handler; a click that reaches it meanwhile
    // (from a nested event loop) must not start a second one.
    if (m_printing)
        return;
    if (!AnyChecked()) {
        ShowNotice(QStringLiteral("Nie zaznaczono żadnego pierwiastka!"), nkError);
        return;
    }
    if (f1->currentIndex() < 0 && !CheckSizeCombo(*f1, 1, 25))
        return;
    PrinterService& printers = platform::Printers();
    if (!printers.ExecPrintDialog(this))
        return;

    m_printing = true;
    Przycisk1->SetAktywny(false);
    const auto restore = qScopeGuard([this] {
        m_printing = false;
        Przycisk1->SetAktywny(true);
    });
    EnsureFontList();
    const QFont font = ReportFont(FontName(), 25 - f1->currentIndex());
    QString why;
    if (!PrintReportText(printers.Printer(), font, ReportText(CheckedElements()), why)) {
        Przycisk1->SetAktywny(true);
        ShowNotice(why, nkError);
    }
}

void TForm3::Przycisk2Click() { close(); }

void TForm3::Przycisk3Click() { wszystkie(true); }

void TForm3::Przycisk4Click() { wszystkie(false); }

void TForm3::Przycisk5Click() { platform::Printers().ExecPageSetupDialog(this); }

void TForm3::Przycisk6Click()
{
    EnsureFontList();
    SetFontName(DesignFont());
    f1->setCurrentIndex(13);
    wszystkie(false);
    FontComboBox1Change();
}

// The sample shows the face the report will print in, always at 10 points.
void TForm3::FontComboBox1Change() { probka->setFont(DialogFont(ReportFont(FontName(), 10).family(), 13)); }

bool TForm3::RxCheckListBox1KeyPress(int key)
{
    if (key != 27)
        return false;
    close();
    return true;
}

void TForm3::FormClose()
{
    // The typed size gets its box; the dialog closes whatever it says.
    if (f1->currentIndex() < 0)
        CheckSizeCombo(*f1, 1, 25);
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
    EnsureFontList();
    FormShow();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        return RxCheckListBox1KeyPress(27);
    return QDialog::eventFilter(watched, event);
}
