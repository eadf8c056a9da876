#pragma once

#include "settings/settings_store.h"
#include "window/help_viewer.h"
#include "window/message_boxes.h"

#include <QList>
#include <QMap>
#include <QPair>

// Records every message box and answers from a queue (OK when the queue is empty).
class RecordingMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(const MessageRequest& request) override {
        shown.append(request);
        return answers.isEmpty() ? MsgAnswer::Ok : answers.takeFirst();
    }
    QList<MessageRequest> shown;
    QList<MsgAnswer> answers;
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

// Settings in memory, with the order of the writes.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key, const QString& fallback) override {
        return values.value(section + u'/' + key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values.insert(section + u'/' + key, value);
        writes.append(key);
    }
    QMap<QString, QString> values;
    QStringList writes;
};
