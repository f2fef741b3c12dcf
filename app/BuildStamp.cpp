#include "app/BuildStamp.h"

#include <cstring>

namespace {

int digit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

int monthOf(const char *m)
{
    switch (m[2]) {
    case 'n':
        return m[1] == 'a' ? 1 : 6;
    case 'b':
        return 2;
    case 'r':
        return m[0] == 'M' ? 3 : 4;
    case 'y':
        return 5;
    case 'l':
        return 7;
    case 'g':
        return 8;
    case 'p':
        return 9;
    case 't':
        return 10;
    case 'v':
        return 11;
    default:
        return 12;
    }
}

} // namespace

BuildStamp parseBuildStamp(const char *date, const char *time)
{
    BuildStamp s;
    if (!date || std::strlen(date) < 11 || date[0] == '?') {
        s.date = 1900 * 10000 + 101;
    } else {
        const int day = (date[4] == ' ' ? 0 : digit(date[4])) * 10 + digit(date[5]);
        const int year = digit(date[7]) * 1000 + digit(date[8]) * 100 + digit(date[9]) * 10 + digit(date[10]);
        s.date = year * 10000 + monthOf(date) * 100 + day;
    }
    if (!time || std::strlen(time) < 8 || time[0] == '?') {
        s.time = 0;
        // Question marks for either part stand for an unknown build: 1 January 1900.
        if (time && time[0] == '?')
            s.date = 1900 * 10000 + 101;
    } else {
        s.time = (digit(time[0]) * 10 + digit(time[1])) * 3600 + (digit(time[3]) * 10 + digit(time[4])) * 60 +
                 digit(time[6]) * 10 + digit(time[7]);
    }
    return s;
}

BuildStamp currentBuildStamp()
{
    // The time this file was compiled: a clean build (as every release and CI build is) stamps
    // the whole program.
    return parseBuildStamp(__DATE__, __TIME__);
}
