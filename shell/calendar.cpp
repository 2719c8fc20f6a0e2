#include "shell/calendar.h"

#include <ctime>

#include "shell/replay_answers.h"

namespace {
CalendarDate systemDate() {
  std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);
  // A clock the C library cannot convert still stamps a well-formed date.
  if (!t) return {0, 0, 1};
  return {t->tm_year, t->tm_mon, t->tm_mday};
}

CalendarSource Calendar = systemDate;
}  // namespace

CalendarDate localDate() { return answeredDate(Calendar); }
void setCalendarSource(CalendarSource source) { Calendar = source ? source : systemDate; }
void useSystemCalendar() { Calendar = systemDate; }
