#include "widgets/DialogParts.h"

#include "widgets/Colors.h"
#include "widgets/Look.h"
#include "widgets/Przycisk.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace {

constexpr TColor Face3DLight = 0x80000016;

} // namespace

void SetUpDialog(QDialog& dialog, const QString& title, QSize size)
{
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(size);
    dialog.setFont(SansFont(11));
    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, ToQColor(Face3DLight, pal));
    dialog.setPalette(pal);
    dialog.setAutoFillBackground(true);
    CentreOnScreen(&dialog);
}

QLabel* DialogLabel(QWidget* parent, const char* name, const QString& text, QRect r)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(r.x(), r.y(), qMax(r.width(), label->sizeHint().width()), r.height());
    return label;
}

void NameControl(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    // Typing goes into an editable list's own text field, which a screen
    // reader then announces: it carries the list's name too.
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

void NameByLabel(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    NameControl(control, label->text());
}

void ChainTabStops(const QList<QWidget*>& controls)
{
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

TPrzycisk* DialogButton(QWidget* parent, const char* name, const QString& text, QRect r, std::function<void()> click)
{
    auto* button = new TPrzycisk(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(r);
    button->SetTekst(text);
    button->SetKolor_Przycisku(colors::PaleYellow);
    button->SetFont(ArialFont(11));
    button->SetFontColor(colors::Black);
    button->SetAktywny(true);
    button->OnClick = [click](QObject*) { click(); };
    return button;
}
