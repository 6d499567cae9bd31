#include "app/DialogHomes.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

int RowCount(SettingsHomes::List list)
{
    switch (list) {
    case SettingsHomes::List::ReportSize:
        return TForm3::SizeRowCount;
    case SettingsHomes::List::Scale:
        return TForm2::ScaleRowCount;
    case SettingsHomes::List::SymbolSize:
    case SettingsHomes::List::DataSize:
    case SettingsHomes::List::FieldSize:
        return TForm2::SizeRowCount;
    }
    return 0;
}

} // namespace

void DialogHomes::Attach(TForm2& table)
{
    m_table = &table;
    table.SetFontName(m_tableFont);
    for (List list : {List::SymbolSize, List::DataSize, List::Scale, List::FieldSize})
        SetItemIndex(list, m_rows[size_t(list)]);
    table.bold1->setChecked(m_bold);
    table.SetInfoLines(m_lines);
}

void DialogHomes::Attach(TForm3& report)
{
    m_report = &report;
    report.SetFontName(m_reportFont);
    SetItemIndex(List::ReportSize, m_rows[size_t(List::ReportSize)]);
}

QString DialogHomes::ReportFontName() const { return m_report ? m_report->FontName() : m_reportFont; }

void DialogHomes::SelectReportFont(const QString& name)
{
    // Held as given: whether the system has the face is known only from the
    // dialog's font list, which is filled when the dialog is first shown.
    if (m_report)
        m_report->SetFontName(name);
    else
        m_reportFont = name;
}

QString DialogHomes::TableFontName() const { return m_table ? m_table->FontName() : m_tableFont; }

void DialogHomes::SelectTableFont(const QString& name)
{
    if (m_table)
        m_table->SetFontName(name);
    else
        m_tableFont = name;
}

QComboBox* DialogHomes::ListOf(List list) const
{
    if (list == List::ReportSize)
        return m_report ? m_report->f1 : nullptr;
    if (!m_table)
        return nullptr;
    switch (list) {
    case List::SymbolSize:
        return m_table->f1;
    case List::DataSize:
        return m_table->f2;
    case List::Scale:
        return m_table->Scale;
    case List::FieldSize:
        return m_table->f3;
    case List::ReportSize:
        break;
    }
    return nullptr;
}

int DialogHomes::ItemIndex(List list) const
{
    const QComboBox* box = ListOf(list);
    return box ? box->currentIndex() : m_rows[size_t(list)];
}

void DialogHomes::SetItemIndex(List list, int index)
{
    // A row the list does not have selects none, as -1 does.
    const int row = index >= 0 && index < RowCount(list) ? index : -1;
    if (QComboBox* box = ListOf(list))
        box->setCurrentIndex(row);
    else
        m_rows[size_t(list)] = row;
}

bool DialogHomes::FieldBold() const { return m_table ? m_table->bold1->isChecked() : m_bold; }

void DialogHomes::SetFieldBold(bool bold)
{
    if (m_table)
        m_table->bold1->setChecked(bold);
    else
        m_bold = bold;
}

QStringList DialogHomes::FieldLines() const { return m_table ? m_table->InfoLines() : TForm2::FieldKeeps(m_lines); }

void DialogHomes::SetFieldLines(const QStringList& lines)
{
    if (m_table)
        m_table->SetInfoLines(lines);
    else
        m_lines = lines; // as given: the field gets them so when built
}

DialogHomes& PrintDialogHomes()
{
    static DialogHomes homes;
    return homes;
}
