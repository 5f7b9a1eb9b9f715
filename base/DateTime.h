#pragma once

// A date-time value is a count of days since 30 December 1899 00:00 with the
// time of day as the fraction; 0 means "no date".
struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool IsValidCivilDate(int year, int month, int day);

// Days since 30.12.1899 of a civil date (proleptic Gregorian calendar).
long long DaysFromCivil(int year, int month, int day);

double EncodeDateTime(const CivilDateTime& value);

// Splits a value into its parts, rounded to the millisecond from the exact
// stored value; the time of day of a negative value is its fraction's
// magnitude, as the original platform did.
CivilDateTime DecodeDateTime(double value);

// The value rounded to the nearest second, from the exact stored value: one
// below the half second never rounds up.
double RoundToSecond(double value);

// Today at midnight and now, in local time.
double TodayDateTime();
double NowDateTime();
