// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QString>

// Why a download of the official results file failed: a value that travels up to where it is
// shown, and DownloadProblemText, which says it in Italian.
struct DownloadProblem {
    enum Kind {
        None,
        NoConnection,       // the network is not there
        ConnectionRefused,  // field: the server
        HostNotFound,       // field: the server
        Timeout,            // number: the seconds of silence
        Deadline,           // number: the seconds the whole download may take
        HttpStatus,         // number: the status
        Certificate,        // field: the server
        Cut,                // the connection closed before the end of the file
        TooLarge,           // number: the limit in MB
        TooManyRedirects,   // number: the limit
        InsecureRedirect,   // an https address sent on to an http one
        NotAZip,            // the answer is not the zip the official file comes in
        UnsupportedAddress, // field: the address
        FileUnreadable,     // a local file: fileError
        Proxy,              // the system's proxy cannot be reached or refuses
        Compression,        // the server's compressed answer is damaged or inflates too far
        Cancelled,
        Other, // number: the network library's code for it
    };
    Kind kind = None;
    int number = 0;
    QString field{};
    Failure fileError{};

    explicit operator bool() const { return kind != None; }
    friend bool operator==(const DownloadProblem&, const DownloadProblem&) = default;
};

// "1 secondo", "45 secondi", "5 minuti".
QString DurationText(int seconds);

// The problem as a clause, in Italian (without a capital or a full stop).
QString DownloadProblemText(const DownloadProblem& problem);
