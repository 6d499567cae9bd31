// The settings store's homes in memory: the controls of the two print
// dialogs.
#pragma once

#include "settings/SettingsStore.h"

class TForm2;
class TForm3;

class QComboBox;

class DialogHomes final : public SettingsHomes {
public:
    DialogHomes(TForm2& table, TForm3& report);

    QString ReportFontName() const override;
    void SelectReportFont(const QString& name) override;
    QString TableFontName() const override;
    void SelectTableFont(const QString& name) override;
    int ItemIndex(List list) const override;
    void SetItemIndex(List list, int index) override;
    bool FieldBold() const override;
    void SetFieldBold(bool bold) override;
    QStringList FieldLines() const override;
    void SetFieldLines(const QStringList& lines) override;

private:
    QComboBox* ListOf(List list) const;

    TForm2& m_table;
    TForm3& m_report;
};
