// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/memory_settings_store.h"
#include "widgets/help_viewer.h"
#include "widgets/message_boxes.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <functional>
#include <utility>

// Records every message box and answers from a queue (OK when the queue is empty).
class RecordingMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(const MessageRequest& request) override {
        shown.append(request);
        if (whileShown)
            std::exchange(whileShown, nullptr)();
        return answers.isEmpty() ? MsgAnswer::Ok : answers.takeFirst();
    }
    QList<MessageRequest> shown;
    QList<MsgAnswer> answers;
    // Runs once, while the next box is on the screen: what another program does meanwhile.
    std::function<void()> whileShown;
};

// Records the help requests; fails with `failure` when it is set.
class RecordingHelpViewer final : public HelpViewer {
public:
    QString showHelp(const QString& file, const QString& keyword) override {
        requests.append({file, keyword});
        return failure;
    }
    QList<QPair<QString, QString>> requests;
    QString failure;
};
