#pragma once

// The ask-once question answered as told, recording what was asked.

#include "tray/quotekeeper.h"

#include <QStringList>

namespace sentari::testing {

struct FakeAskOnce : tray::AskOnce {
    QStringList askedKeys;
    QStringList questions;
    bool answer = true;
    bool ask(const QString& key, const QString& question) override
    {
        askedKeys << key;
        questions << question;
        return answer;
    }
};

} // namespace sentari::testing
