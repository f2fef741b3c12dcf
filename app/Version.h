#pragma once

// Compares this build's stamp with the database's version row: an older row is brought up to
// this build; a newer one means a newer build has run, so this one shows the version message and
// ends (the login window's timer closes the message after 5.5 s). Also reads the decimal
// delimiter. Does nothing while another check, or a login, is in progress.
void CheckVersion();

// While one exists, CheckVersion does nothing (the login reconnecting, its own message box).
class VersionCheckPause
{
public:
    VersionCheckPause();
    ~VersionCheckPause();
    VersionCheckPause(const VersionCheckPause &) = delete;
    VersionCheckPause &operator=(const VersionCheckPause &) = delete;
};
