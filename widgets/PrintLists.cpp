#include "widgets/PrintLists.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QLineEdit>

const QString ChooseFromList = QStringLiteral("--Wybierz z listy--");

namespace {

class TListAccessible final : public QAccessibleWidget {
public:
    explicit TListAccessible(NamedList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !List()->accessibleName().isEmpty())
            return List()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return List()->isEditable() ? List()->lineEdit()->text() : List()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            List()->showPopup();
    }

private:
    NamedList* List() const { return static_cast<NamedList*>(widget()); }
};

QAccessibleInterface* ListAccessibleFactory(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<NamedList*>(object))
        return new TListAccessible(list);
    return nullptr;
}

} // namespace

NamedList::NamedList(QWidget* parent)
    : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(ListAccessibleFactory);
        return true;
    }();
    (void)installed;
}

ChoiceList::ChoiceList(QWidget* parent, const char* name, QRect r)
    : NamedList(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(r);
    setMaxVisibleItems(12);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // a typed "1" must stay "1", not become "19"
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (currentIndex() < 0)
            return;
        const int cursor = lineEdit()->cursorPosition();
        setCurrentIndex(-1);
        setEditText(text);
        lineEdit()->setCursorPosition(cursor);
    });
}

void ChoiceList::ChooseNone()
{
    setCurrentIndex(-1);
    setEditText(ChooseFromList);
}

SizeList::SizeList(QWidget* parent, const char* name, QRect r, int hi)
    : ChoiceList(parent, name, r),
      m_hi(hi)
{
    for (int v = hi; v >= 1; --v)
        addItem(QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')));
    ChooseNone();
}

int SizeList::Value() const { return currentIndex() < 0 ? 0 : m_hi - currentIndex(); }

void SizeList::SetValue(int v)
{
    if (v >= 1 && v <= m_hi)
        setCurrentIndex(m_hi - v);
    else
        ChooseNone();
}

namespace {

// Faces that print pictures instead of letters.
bool IsSymbolFont(const QString& family)
{
    return QFontDatabase::isPrivateFamily(family)
           || QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

} // namespace

FontList::FontList(QWidget* parent, const char* name, QRect r, Symbols symbols)
    : NamedList(parent),
      m_symbols(symbols)
{
    setObjectName(QLatin1String(name));
    setGeometry(r);
    setMaxVisibleItems(12);
}

QString FontList::Name() const
{
    if (!m_filled)
        return m_pending;
    return currentIndex() < 0 ? QString() : currentText();
}

void FontList::SetName(const QString& name)
{
    if (!m_filled) {
        m_pending = name;
        return;
    }
    setCurrentIndex(name.isEmpty() ? -1 : findText(name, Qt::MatchFixedString));
}

void FontList::Fill()
{
    if (m_filled)
        return;
    m_filled = true;
    QStringList families = QFontDatabase::families();
    if (m_symbols == Symbols::LeftOut)
        families.removeIf(IsSymbolFont);
    addItems(families);
    SetName(m_pending);
    m_pending.clear();
}

void FontList::showEvent(QShowEvent* event)
{
    Fill();
    QComboBox::showEvent(event);
}
