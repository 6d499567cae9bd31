// The settings store's homes in memory: the controls of the two print
// dialogs once they exist, and until then the values themselves. The
// dialogs are built when first opened, not at start-up: most runs never
// open them, and their controls cost start-up time and memory.
#pragma once

#include "print/TForm2.h"
#include "print/TForm3.h"
#include "settings/SettingsStore.h"

#include <QPointer>

#include <array>

class QComboBox;

class DialogHomes final : public SettingsHomes {
public:
    // The new dialog's controls take over the values held so far and are
    // the home of its settings from then on.
    void Attach(TForm2& table);
    void Attach(TForm3& report);

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
    static constexpr int ListCount = 5;
    QComboBox* ListOf(List list) const;

    QPointer<TForm2> m_table;
    QPointer<TForm3> m_report;
    // Held until the dialog is built, as its controls would hold them.
    QString m_reportFont;
    QString m_tableFont;
    std::array<int, ListCount> m_rows{-1, -1, -1, -1, -1};
    bool m_bold = false;
    QStringList m_lines;
};

// The program's one set of homes, read at start-up and written at shutdown.
DialogHomes& PrintDialogHomes();
