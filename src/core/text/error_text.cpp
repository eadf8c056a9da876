// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/error_text.h"

#include "archive/file_store.h"
#include "text/check_texts.h"
#include "text/messages.h"

namespace {

struct NumberedText {
    int number;
    const char* text;
};

// UTF-8; 54 carries U+2026 (the horizontal ellipsis) after "Modalit".
constexpr NumberedText errorTexts[] = {
    {24, "Timeout di periferica"},
    {25, "Errore di periferica"},
    {27, "Carta esaurita"},
    {52, "Nome o numero del file errato"},
    {53, "File non trovato"},
    {54, "Modalit\u2026 di accesso al file errata"},
    {55, "File gi\u00e0 aperto"},
    {57, "Errore I/O su periferica"},
    {58, "Il file esiste gi\u00e0"},
    {61, "Disco pieno"},
    {62, "Input oltre la fine del file"},
    {63, "Numero del record errato"},
    {64, "Nome del file errato"},
    {67, "Troppi file"},
    {68, "Periferica non disponibile"},
    {70, "Permesso negato"},
    {71, "Disco non pronto"},
    {72, "Errore di supporto del disco"},
    {73, "Caratteristica avanzata non disponibile"},
    {74, "Tentativo di rinominare su altro disco"},
    {75, "Errore di accesso al percorso/file"},
    {76, "Percorso non trovato"},
};

} // namespace

QString ErrorText(int number) {
    for (const auto& entry : errorTexts)
        if (entry.number == number)
            return QString::fromUtf8(entry.text);
    return {};
}

QString ErrorMessageText(FileError error) {
    switch (error) {
    case FileError::ArchiveInUse:
        return QStringLiteral("L'archivio \u00e8 in uso da un altro programma: riprovare pi\u00f9 tardi.");
    case FileError::ArchiveChanged:
        return ArchiveChangedByAnotherProgram() + u'.';
    case FileError::ArchiveDamaged:
        return CheckText::damagedArchive() + u'.';
    default:
        break;
    }
    const int number = ErrorNumberOf(error);
    if (number >= 24 && number <= 76) {
        const QString text = ErrorText(number);
        if (!text.isEmpty())
            return text;
    }
    const QString sign = number < 0 ? QString() : QStringLiteral(" ");
    return QStringLiteral("Errore di sistema") + sign + QString::number(number);
}
