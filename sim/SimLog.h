// The simulator's log: whole lines, written and flushed one at a time, so
// that devices in threads of their own never mix their lines.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QMutex>
#include <QTextStream>

class SimLog {
public:
    explicit SimLog(QFile* file) : m_file(file) {}
    void Write(const QByteArray& line)
    {
        const QMutexLocker lock(&m_mutex);
        m_file->write(line);
        m_file->flush();
    }

private:
    QMutex m_mutex;
    QFile* m_file;
};

// One line being made: "Log() << ... << Qt::endl;" goes out whole at the end.
class LogLine {
public:
    LogLine(SimLog& log, const QByteArray& prefix) : m_log(log), m_stream(&m_line)
    {
        m_stream << prefix;
    }
    ~LogLine()
    {
        m_stream.flush();
        m_log.Write(m_line);
    }
    LogLine(const LogLine&) = delete;
    LogLine& operator=(const LogLine&) = delete;
    template <class T> LogLine& operator<<(const T& value)
    {
        m_stream << value;
        return *this;
    }
    LogLine& operator<<(QTextStream& (*manipulator)(QTextStream&))
    {
        m_stream << manipulator;
        return *this;
    }

private:
    SimLog& m_log;
    QByteArray m_line;
    QTextStream m_stream;
};
