// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verify_report.h"

#include "calendar/draw_date.h"
#include "paste/paste_analysis.h"

#include <QRegularExpression>

QString OutcomeName(int outcome) {
    switch (PasteOutcome(outcome)) {
    case PasteOutcome::Unreadable:
        return QStringLiteral("Unreadable");
    case PasteOutcome::Verified:
        return QStringLiteral("Verified");
    case PasteOutcome::Differs:
        return QStringLiteral("Differs");
    case PasteOutcome::NewDraw:
        return QStringLiteral("New draw");
    case PasteOutcome::Similar:
        return QStringLiteral("Similar");
    case PasteOutcome::NotFound:
        return QStringLiteral("Not found");
    }
    return QString();
}

bool VerifyPassed(const PasteAnalysis& analysis) {
    return analysis.outcome == PasteOutcome::Verified || analysis.outcome == PasteOutcome::NewDraw;
}

QString VerifyLine(const QString& file, const PasteAnalysis& analysis, const Archive& archive) {
    QString line = file + QStringLiteral(": ") + OutcomeName(int(analysis.outcome));
    if (analysis.outcome == PasteOutcome::NewDraw) {
        const auto& date = analysis.EditDate;
        line += QStringLiteral(", draw %1 of %2")
                    .arg(archive.DrawCount() + 1)
                    .arg(FormatDrawDate(date[1], date[2], date[3]));
    } else if (analysis.draw > 0) {
        line +=
            QStringLiteral(", draw %1 of %2").arg(analysis.draw).arg(FormatDrawDate(archive, analysis.draw));
    }
    if (const std::optional<MessageRequest> box = PasteMessage(analysis, archive)) {
        QString message = box->text;
        message.replace(QRegularExpression(QStringLiteral("[\\r\\n]+")), QStringLiteral(" "));
        line += QStringLiteral(": ") + message;
    }
    return line;
}
