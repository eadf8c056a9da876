// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/download_problem.h"

#include "text/error_text.h"

QString DurationText(int seconds) {
    constexpr int Minute = 60;
    if (seconds % Minute == 0)
        return seconds == Minute ? QStringLiteral("1 minuto") : QStringLiteral("%1 minuti").arg(seconds / Minute);
    return seconds == 1 ? QStringLiteral("1 secondo") : QStringLiteral("%1 secondi").arg(seconds);
}

QString DownloadProblemText(const DownloadProblem& problem) {
    switch (problem.kind) {
    case DownloadProblem::None:
        return {};
    case DownloadProblem::NoConnection:
        return QStringLiteral("nessuna connessione di rete");
    case DownloadProblem::ConnectionRefused:
        return QStringLiteral("il server %1 rifiuta la connessione").arg(problem.field);
    case DownloadProblem::HostNotFound:
        return QStringLiteral("server %1 non trovato (nome sconosciuto o rete assente)").arg(problem.field);
    case DownloadProblem::Timeout:
        return QStringLiteral("il server non risponde da %1").arg(DurationText(problem.number));
    case DownloadProblem::Deadline:
        return QStringLiteral("lo scaricamento non \u00e8 finito entro %1").arg(DurationText(problem.number));
    case DownloadProblem::HttpStatus:
        return QStringLiteral("Risposta del server: %1").arg(problem.number);
    case DownloadProblem::Certificate:
        return QStringLiteral("il certificato del server %1 non \u00e8 valido o non \u00e8 attendibile")
            .arg(problem.field);
    case DownloadProblem::Cut:
        return QStringLiteral("lo scaricamento si \u00e8 interrotto prima della fine del file");
    case DownloadProblem::TooLarge:
        return QStringLiteral("il file supera i %1 MB").arg(problem.number);
    case DownloadProblem::TooManyRedirects:
        return QStringLiteral("troppi reindirizzamenti (pi\u00f9 di %1)").arg(problem.number);
    case DownloadProblem::InsecureRedirect:
        return QStringLiteral("il server rimanda da un indirizzo https a uno non protetto");
    case DownloadProblem::NotAZip:
        return QStringLiteral("il file scaricato non \u00e8 un archivio zip");
    case DownloadProblem::UnsupportedAddress:
        return QStringLiteral("indirizzo non valido: %1 (si usano https://, http://, file:// o un percorso)")
            .arg(problem.field);
    case DownloadProblem::FileUnreadable:
        return ErrorMessageText(*problem.fileError);
    case DownloadProblem::Proxy:
        return QStringLiteral("il proxy di rete non risponde o rifiuta la richiesta");
    case DownloadProblem::Compression:
        return QStringLiteral("la risposta del server \u00e8 illeggibile (dati compressi danneggiati o troppo grandi)");
    case DownloadProblem::Cancelled:
        return QStringLiteral("scaricamento annullato");
    case DownloadProblem::Other:
        return QStringLiteral("errore di rete (codice %1)").arg(problem.number);
    }
    return {};
}
