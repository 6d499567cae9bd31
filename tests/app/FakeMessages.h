// A message service for tests: records every box and answers questions from
// a script instead of waiting for a user.
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QString>

struct RecordedBox {
    QString text;
    QString caption;
    int flags = 0;
    bool applicationModal = false;
};

class FakeMessages final : public MessageService {
public:
    FakeMessages() { platform::SetMessages(this); }
    ~FakeMessages() override { platform::SetMessages(nullptr); }

    void ShowOwnerless(const QString& text, const QString& caption, int flags) override
    {
        boxes.append({text, caption, flags, false});
    }

    int ShowApplicationModal(const QString& text, const QString& caption, int flags) override
    {
        boxes.append({text, caption, flags, true});
        return answers.isEmpty() ? 0 : answers.takeFirst();
    }

    QList<RecordedBox> boxes;
    QList<int> answers; // result codes handed out to questions, in order
};
