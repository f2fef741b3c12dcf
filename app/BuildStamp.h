#pragma once

// The build stamp that identifies a build to the database's version row.
struct BuildStamp
{
    int date = 0; // YYYYMMDD
    int time = 0; // seconds since midnight
};

// Reads the compiler's date ("Mmm dd yyyy", the day padded with a blank) and time ("hh:mm:ss").
// The month is told from its letters; question marks give 1 January 1900 (and time 0).
BuildStamp parseBuildStamp(const char *date, const char *time);

// The stamp of this build.
BuildStamp currentBuildStamp();
