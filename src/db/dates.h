#pragma once

#include <QDate>
#include <QString>

namespace kodrix::db {

// Dates as the library writes them on screen, in files and in date texts: yyyy.mm.dd.
QString dateText(const QDate& date);
// Reads yyyy.mm.dd (also yyyy.m.d and yyyy-mm-dd); an invalid QDate for anything else.
QDate parseDateText(const QString& text);

// Where "today" comes from, so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    QString todayText() const { return dateText(today()); }
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate day) : day_(day) {}
    QDate today() const override { return day_; }
    void set(QDate day) { day_ = day; }

private:
    QDate day_;
};

} // namespace kodrix::db
