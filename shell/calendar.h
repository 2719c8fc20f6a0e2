#pragma once
#include <cstdint>

// A day of the local calendar, counted as the C library's broken-down time counts it.
struct CalendarDate {
  int32_t yearsSince1900;
  int32_t monthIndex;  // 0 for January
  int32_t day;         // day of the month, from 1
};

// The one place the date is read: the game asks the C library for today's local date;
// a test installs a source that answers the day it needs.
using CalendarSource = CalendarDate (*)();

CalendarDate localDate();
void setCalendarSource(CalendarSource source);
void useSystemCalendar();
