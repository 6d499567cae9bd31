#include "app/DialogHomes.h"

#include "print/TForm2.h"
#include "print/TForm3.h"

#include <QCheckBox>
#include <QComboBox>

DialogHomes::DialogHomes(TForm2& table, TForm3& report)
    : m_table(table),
      m_report(report)
{}

QString DialogHomes::ReportFontName() const { return m_report.FontName(); }

void DialogHomes::SelectReportFont(const QString& name) { m_report.SetFontName(name); }

QString DialogHomes::TableFontName() const { return m_table.FontName(); }

void DialogHomes::SelectTableFont(const QString& name) { m_table.SetFontName(name); }

QComboBox* DialogHomes::ListOf(List list) const
{
    switch (list) {
    case List::ReportSize:
        return m_report.f1;
    case List::SymbolSize:
        return m_table.f1;
    case List::DataSize:
        return m_table.f2;
    case List::Scale:
        return m_table.Scale;
    case List::FieldSize:
        return m_table.f3;
    }
    return nullptr;
}

int DialogHomes::ItemIndex(List list) const { return ListOf(list)->currentIndex(); }

void DialogHomes::SetItemIndex(List list, int index)
{
    // A row the list does not have selects none, as -1 does.
    QComboBox* box = ListOf(list);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

bool DialogHomes::FieldBold() const { return m_table.bold1->isChecked(); }

void DialogHomes::SetFieldBold(bool bold) { m_table.bold1->setChecked(bold); }

QStringList DialogHomes::FieldLines() const { return m_table.InfoLines(); }

void DialogHomes::SetFieldLines(const QStringList& lines) { m_table.SetInfoLines(lines); }
