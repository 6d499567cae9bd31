#include "settings/TForm4.h"

#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "settings/MainWindowLink.h"
#include "settings/ProgramInformation.h"
#include "settings/Skin.h"
#include "widgets/DialogParts.h"
#include "widgets/Look.h"
#include "widgets/PrintLists.h"
#include "widgets/Przycisk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TPendingScheme PendingScheme;

namespace {

TColor FromQColor(const QColor& c) { return TColor(c.red()) | TColor(c.green()) << 8 | TColor(c.blue()) << 16; }

TPendingScheme CurrentScheme()
{
    return {ColorScheme.app_buttons, ColorScheme.app_legend, ColorScheme.app_info, ColorScheme.but_transp, LatinNames};
}

} // namespace

void TPaintBox::paintEvent(QPaintEvent* /*event*/)
{
    if (OnPaint)
        OnPaint();
}

void PaintSwatch(QWidget& box, TColor color)
{
    QPainter painter(&box);
    const int w = box.width();
    const int h = box.height();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, w - 1, h - 1);
    // The inside, column by column from x = 1 to w - 2, rows 1 to h - 2.
    painter.fillRect(1, 1, w - 2, h - 2, ToQColor(color, box.palette()));
}

TForm4::TForm4(MainWindowLink& window, QWidget* parent)
    : QDialog(parent),
      m_window(window)
{
    setObjectName(QStringLiteral("Form4"));
    SetUpDialog(*this, QStringLiteral("Ustawienia Programu"), QSize(306, 331));
    CreateControls();
    m_shownPage = TabSheet2;
}

void TForm4::CreateControls()
{
    // The two flat page buttons that stand for the hidden tabs.
    auto pageButton = [this](const char* name, const QString& text, QRect r, void (TForm4::*click)()) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setAutoRaise(true);
        button->setGeometry(r);
        button->setFont(ArialFont(11));
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, click);
        return button;
    };
    ToolButton1 =
        pageButton("ToolButton1", QStringLiteral("Wygląd programu"), {8, 14, 137, 22}, &TForm4::ToolButton1Click);
    ToolButton2 = pageButton("ToolButton2", QStringLiteral("Informacja o programie"), {150, 14, 147, 22},
                             &TForm4::ToolButton2Click);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 40, 289, 249);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Wygląd programu"));
    CreateInformationPage();
    PageControl1->tabBar()->hide(); // the page buttons above stand for the tabs
    // Nor does it take the Tab: it would hand the focus to its hidden tab
    // bar, which takes none, and the focus would stay where it was.
    PageControl1->setFocusPolicy(Qt::NoFocus);

    auto group = [this](const char* name, const QString& title, QRect r) {
        auto* box = new QGroupBox(title, TabSheet1);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(r);
        return box;
    };
    auto swatch = [](QWidget* parent, const char* name, QRect r, void (TForm4::*paint)(), TForm4* form) {
        auto* box = new TPaintBox(parent);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(r);
        box->OnPaint = [form, paint] { (form->*paint)(); };
        return box;
    };
    auto button = [this](QWidget* parent, const char* name, const QString& text, QRect r, void (TForm4::*click)()) {
        return DialogButton(parent, name, text, r, [this, click] { (this->*click)(); });
    };
    const QString change = QStringLiteral("Zmień kolor");

    GroupBox1 = group("GroupBox1", QStringLiteral("Wygląd programu"), {0, 0, 281, 81});
    Label1 = DialogLabel(GroupBox1, "Label1", QStringLiteral("Kolor opisów:"), {8, 24, 0, 13});
    PaintBox1 = swatch(GroupBox1, "PaintBox1", {96, 22, 81, 17}, &TForm4::PaintBox1Paint, this);
    Przycisk1 = button(GroupBox1, "Przycisk1", change, {184, 20, 89, 21}, &TForm4::Przycisk1Click);
    Label2 = DialogLabel(GroupBox1, "Label2", QStringLiteral("Kolor oznaczeń:"), {8, 48, 0, 13});
    PaintBox2 = swatch(GroupBox1, "PaintBox2", {96, 46, 81, 17}, &TForm4::PaintBox2Paint, this);
    Przycisk2 = button(GroupBox1, "Przycisk2", change, {184, 44, 89, 21}, &TForm4::Przycisk2Click);
    // Below the group's bottom edge, so clipped away: the colour of the
    // toolbar buttons and their transparency have no visible effect.
    Label3 = DialogLabel(GroupBox1, "Label3", QStringLiteral("Kolor przycisków:"), {8, 128, 0, 13});
    PaintBox3 = swatch(GroupBox1, "PaintBox3", {96, 126, 81, 17}, &TForm4::PaintBox3Paint, this);
    Przycisk3 = button(GroupBox1, "Przycisk3", change, {184, 124, 89, 21}, &TForm4::Przycisk3Click);
    CheckBox1 = new QCheckBox(QStringLiteral("Przeźroczysty"), GroupBox1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(96, 144, 177, 17);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm4::CheckBox1Click);

    GroupBox2 = group("GroupBox2", QStringLiteral("Prezentacja danych"), {0, 88, 281, 65});
    Label4 = DialogLabel(GroupBox2, "Label4", QStringLiteral("Nazwy pierwiastków:"), {8, 26, 0, 13});
    ComboBox1 = new NamedList(GroupBox2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("polskie"), QStringLiteral("łacińskie")});
    ComboBox1->setGeometry(120, 24, 153, 21);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm4::ComboBox1Change);

    Przycisk4 = button(this, "Przycisk4", QStringLiteral("Zastosuj"), {9, 308, 80, 21}, &TForm4::Przycisk4Click);
    Przycisk5 = button(this, "Przycisk5", QStringLiteral("OK"), {129, 308, 80, 21}, &TForm4::Przycisk5Click);
    Przycisk6 = button(this, "Przycisk6", QStringLiteral("Anuluj"), {216, 308, 81, 21}, &TForm4::Przycisk6Click);

    // The names list comes right after the check box in the Tab order, so
    // the focus cannot wander off to the unseen controls; the unseen button
    // takes no focus at all.
    Przycisk3->setFocusPolicy(Qt::NoFocus);
    // One chain for both pages: the focus passes over the hidden page's controls.
    ChainTabStops(
        {ToolButton1, ToolButton2, Przycisk1, Przycisk2, CheckBox1, ComboBox1, Memo1, Przycisk4, Przycisk5, Przycisk6});
    // Both colour buttons say "Zmień kolor"; the row tells them apart.
    Przycisk1->setAccessibleDescription(Label1->text());
    Przycisk2->setAccessibleDescription(Label2->text());
    NameByLabel(Label4, ComboBox1);
}

void TForm4::CreateInformationPage()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Informacja o programie"));
    Memo1 = new QTextEdit(TabSheet2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    // Selectable by the keyboard too, so that a path can be copied without a mouse.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setTabChangesFocus(true);
    Memo1->setFont(ArialFont(11));
    // Long paths have no spaces to break at.
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setAccessibleName(QStringLiteral("Informacja o programie"));
    auto* layout = new QVBoxLayout(TabSheet2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}

void TForm4::ShowPage(QWidget* page)
{
    m_shownPage = page;
    for (auto [button, own] : {std::pair{ToolButton1, TabSheet1}, std::pair{ToolButton2, TabSheet2}}) {
        QFont f = button->font();
        f.setBold(own == page);
        button->setFont(f);
    }
    // Asked each time: the folders in use may have changed since.
    if (page == TabSheet2)
        Memo1->setHtml(ProgramInformationHtml());
    PageControl1->setCurrentWidget(page);
    page->setVisible(true);
}

void TForm4::FormActivate()
{
    ShowPage(m_shownPage);
    PendingScheme = CurrentScheme();
    CheckBox1->setChecked(PendingScheme.but_transp);
    ComboBox1->setCurrentIndex(PendingScheme.latin ? 1 : 0);
    for (QWidget* box : {PaintBox1, PaintBox2, PaintBox3})
        box->update();
    // The information's text takes the keys (Esc still closes the dialog).
    if (m_shownPage == TabSheet1)
        CheckBox1->setFocus();
    else
        Memo1->setFocus();
}

void TForm4::ToolButton1Click() { ShowPage(TabSheet1); }

void TForm4::ToolButton1MouseEnter() { SetButtonTextColour(ToolButton1, colors::Blue); }

void TForm4::ToolButton1MouseLeave() { SetButtonTextColour(ToolButton1, colors::Black); }

void TForm4::ToolButton2Click() { ShowPage(TabSheet2); }

void TForm4::ToolButton2MouseEnter() { SetButtonTextColour(ToolButton2, colors::Blue); }

void TForm4::ToolButton2MouseLeave() { SetButtonTextColour(ToolButton2, colors::Black); }

void TForm4::PaintBox1Paint() { PaintSwatch(*PaintBox1, PendingScheme.app_legend); }

void TForm4::PaintBox2Paint() { PaintSwatch(*PaintBox2, PendingScheme.app_info); }

void TForm4::PaintBox3Paint() { PaintSwatch(*PaintBox3, PendingScheme.app_buttons); }

void TForm4::ChangeColor(TColor& pending, QWidget& swatch)
{
    QColor color = ToQColor(pending, palette());
    if (!platform::ColorDialogs().ChooseColor(this, color))
        return;
    pending = FromQColor(color);
    swatch.update();
}

void TForm4::Przycisk1Click() { ChangeColor(PendingScheme.app_legend, *PaintBox1); }

void TForm4::Przycisk2Click() { ChangeColor(PendingScheme.app_info, *PaintBox2); }

void TForm4::Przycisk3Click() { ChangeColor(PendingScheme.app_buttons, *PaintBox3); }

void TForm4::ComboBox1Change() { PendingScheme.latin = ComboBox1->currentIndex() == 1; }

void TForm4::CheckBox1Click() { PendingScheme.but_transp = CheckBox1->isChecked(); }

void TForm4::Przycisk4Click()
{
    if (PendingScheme == CurrentScheme())
        return;
    // Disabled while the apply runs, so a click that reaches the dialog
    // meanwhile (an error box runs its own event loop) cannot start another.
    setEnabled(false);
    const auto enable = qScopeGuard([this] { setEnabled(true); });
    const TPendingScheme pending = PendingScheme;

    LatinNames = pending.latin;
    m_window.SetLatin(pending.latin);
    ColorScheme.but_transp = pending.but_transp;
    // The new colours reach ColorScheme only through the file, which the
    // reload below reads back; if the write fails the old file is read.
    if (const QString why = WriteColors(SkinName, ColorScheme.transparent, pending.app_buttons, pending.app_legend,
                                        pending.app_info, pending.but_transp);
        !why.isEmpty())
        ShowNotice(QStringLiteral("Nie można zapisać kolorów skórki w pliku:\r\n")
                       + QDir::toNativeSeparators(SkinFilePath(skinfile::Colors)) + QStringLiteral("\r\n(") + why
                       + QLatin1Char(')'),
                   nkError);
    m_window.loadskin(SkinName, ColorScheme.transparent);
    m_window.RepaintWindow();
}

void TForm4::Przycisk5Click()
{
    Przycisk4Click();
    accept();
}

void TForm4::Przycisk6Click()
{
    FormActivate();
    reject();
}

bool TForm4::FormKeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return false;
    reject();
    return true;
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar is shown again by the system;
    // that must not drop what the user has chosen so far.
    if (!event->spontaneous())
        FormActivate();
}

void TForm4::keyPressEvent(QKeyEvent* event)
{
    if (FormKeyDown(event->key()))
        return;
    QDialog::keyPressEvent(event);
}

void TForm4::PageButtonEvent(QToolButton* button, QEvent* event, void (TForm4::*enter)(), void (TForm4::*leave)())
{
    if (event->type() == QEvent::Enter)
        (this->*enter)();
    else if (event->type() == QEvent::Leave && !button->hasFocus())
        (this->*leave)();
    // The keyboard's focus shows as the pointer's blue caption.
    else if (event->type() == QEvent::FocusIn)
        (this->*enter)();
    else if (event->type() == QEvent::FocusOut && !button->underMouse())
        (this->*leave)();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ToolButton1)
        PageButtonEvent(ToolButton1, event, &TForm4::ToolButton1MouseEnter, &TForm4::ToolButton1MouseLeave);
    else if (watched == ToolButton2)
        PageButtonEvent(ToolButton2, event, &TForm4::ToolButton2MouseEnter, &TForm4::ToolButton2MouseLeave);
    return QDialog::eventFilter(watched, event);
}
