// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/download_texts.h"

QString UpdateNotModifiedText(const QString& address) {
    return QStringLiteral("Nessuna novit\u00e0: il file su %1 non \u00e8 cambiato dall'ultimo scaricamento.")
        .arg(address);
}
