#include "SimChaos.h"

namespace {

constexpr int FAULT_KINDS = 9;     // the kinds after Fault::None
constexpr int STRUCK_REPLIES = 50; // a load has 25 replies, a verified save up to 47
constexpr int MAX_CLOSE_BYTE = 40;
constexpr double LONG_WAIT_SHARE = 0.03;
constexpr int SHORT_WAIT_MS = 20;

const char* FaultName(Fault fault)
{
    switch (fault) {
    case Fault::None: return "none";
    case Fault::CloseAtByte: return "close-at-byte";
    case Fault::Reset: return "reset";
    case Fault::Delay: return "delay";
    case Fault::LineEnd: return "line-end";
    case Fault::LongReply: return "long-reply";
    case Fault::BadByte: return "bad-byte";
    case Fault::StrayBytes: return "stray-bytes";
    case Fault::SilentAfter: return "silent-after";
    case Fault::IgnoreSet: return "ignore-set";
    }
    return "?";
}

} // namespace

QString ConnectionChaos::Describe() const
{
    QString text = QString::fromLatin1(FaultName(fault));
    switch (fault) {
    case Fault::CloseAtByte: return text + QString(" reply=%1 byte=%2").arg(atReply).arg(atByte);
    case Fault::Reset:
    case Fault::SilentAfter:
    case Fault::LongReply:
    case Fault::BadByte:
    case Fault::StrayBytes: return text + QString(" reply=%1").arg(atReply);
    case Fault::LineEnd: return text + QLatin1String(lineEnd == "\n" ? " lf" : " crlf");
    case Fault::IgnoreSet: return text + " key=" + QString::fromLatin1(ignoredKey);
    case Fault::None:
    case Fault::Delay: return text;
    }
    return text;
}

ChaosSource::ChaosSource(const ChaosOptions& options, int deviceIndex)
    : m_options(options), m_random(options.seed ^ (0x9E3779B9u * quint32(deviceIndex + 1)))
{}

ConnectionChaos ChaosSource::Next(const QList<QByteArray>& keys)
{
    ConnectionChaos chaos;
    if (!m_options.enabled || m_random.generateDouble() >= m_options.rate)
        return chaos;
    chaos.fault = static_cast<Fault>(1 + m_random.bounded(FAULT_KINDS));
    chaos.atReply = m_random.bounded(STRUCK_REPLIES);
    chaos.atByte = m_random.bounded(MAX_CLOSE_BYTE);
    if (chaos.fault == Fault::LineEnd)
        chaos.lineEnd = m_random.bounded(2) == 0 ? "\r\n" : "\n";
    if (chaos.fault == Fault::BadByte) {
        const bool zero = m_random.bounded(2) == 0;
        chaos.inserted = QByteArray(1, zero ? '\0' : char(0x80 + m_random.bounded(0x80)));
    }
    if (chaos.fault == Fault::StrayBytes) {
        const int count = 1 + m_random.bounded(8);
        while (chaos.inserted.size() < count) {
            const char c = char(1 + m_random.bounded(0xFF));
            if (c != '\r' && c != '\n')
                chaos.inserted += c;
        }
    }
    chaos.longLength = 1025 + m_random.bounded(1000);
    if (!keys.isEmpty())
        chaos.ignoredKey = keys.at(m_random.bounded(int(keys.size())));
    return chaos;
}

int ChaosSource::ReplyDelayMs()
{
    if (m_random.generateDouble() < LONG_WAIT_SHARE)
        return m_options.maxDelayMs;
    return m_random.bounded(SHORT_WAIT_MS + 1);
}

qsizetype ChaosSource::Position(qsizetype size)
{
    return m_random.bounded(int(size) + 1);
}
