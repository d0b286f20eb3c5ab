#pragma once
// Answers the program's message boxes in tests, remembering what each one said.

#include "platform/MessageBox.h"

#include <QStringList>

class RecordingMessages final : public platform::MessageService {
public:
    int showMessage(const QString& text) override {
        shown.append(text);
        return platform::messageBoxOk;
    }
    QStringList shown;
};
