#include "window/messages.h"

#include "window/error_text.h"

namespace Messages {

MessageRequest fileError(int errorNumber) {
    return {ErrorMessageText(errorNumber), QStringLiteral("Errore"), MsgButtons::Ok, MsgIcon::None};
}

MessageRequest startupError(int errorNumber) {
    return {ErrorMessageText(errorNumber), QStringLiteral("Errore iniziale"), MsgButtons::Ok, MsgIcon::None};
}

MessageRequest correctionQuestion(const QString& drawDate) {
    return {QStringLiteral("Vuoi correggiere i dati dell'estrazione del ") + drawDate + u'?',
            QStringLiteral("CORREZIONE"), MsgButtons::OkCancel, MsgIcon::Question};
}

MessageRequest helpFailure(const QString& description) {
    return {description, ProgramTitle, MsgButtons::Ok, MsgIcon::None};
}

} // namespace Messages
