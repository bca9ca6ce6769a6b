#pragma once

#include <QString>
#include <QStringList>

class MainForm;

// What the command line asks of the start-up.
struct RemoteOptions
{
    bool dev = false;         // "-dev": show the FPGA register box
    bool update = false;      // "-update": the window serves the update package only
    bool haveIp = false;      // "-ip ADDRESS"
    QString ip;
    QString login;            // "-login NAME"
    QString password;         // "-password TEXT"
};

// Scans the argument list (the program path included) for the options above.
// Exact, case-sensitive names; the entry after "-ip", "-login" or "-password"
// is its value whatever it holds; an option given twice keeps its last value;
// an option at the end without a value is dropped.
RemoteOptions parseRemoteOptions(const QStringList &arguments);

// How the start-up ended.
enum class StartOutcome {
    Run,               // an operator is logged in: show the window, run the event loop
    Cancelled,         // Cancel in the login dialog
    DatabaseFailed,    // the user database did not open; the operator was told
};

// Applies the options to the window, refuses to run without the user
// database, and logs the operator in: silently when "-login" and "-password"
// are both given and accepted, else through the login dialog, run again
// after every rejected login until it is accepted or cancelled.
StartOutcome startRemote(MainForm &window, const QStringList &arguments);

// Process exit code of an outcome that ends the program before the event loop.
int startExitCode(StartOutcome outcome);
