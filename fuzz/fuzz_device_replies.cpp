// The reply reader, inside a whole fetch or a verified push, fed an
// arbitrary byte stream by a device on the other end of a socket pair. The
// stream is cut after each line end (with the LF of a CR LF); the device
// writes the next piece as each command comes in, the rest of the stream
// with the last command's, then ends its stream; so a reply never comes
// before its command, and nothing depends on timing.
//
// The first byte chooses the operation; the rest is what the device sends.
// Whatever comes, the exchange ends, every value it stores is a whole reply
// line as the protocol defines one, and a success means every reply was read.
#include "DeviceLink.h"
#include "FuzzCheck.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// The reply lines of the stream as the protocol reads them: each ends at the
// first CR or LF, and an LF right after a CR belongs to that line end. Stops
// at a line over MAX_REPLY_LENGTH bytes or at an unended one.
std::vector<std::string> ReplyLines(const std::string& stream)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    bool afterCr = false;
    while (at < stream.size()) {
        if (afterCr && stream[at] == '\n')
            ++at;
        const std::size_t end = stream.find_first_of("\r\n", at);
        if (end == std::string::npos || end - at > std::size_t(MAX_REPLY_LENGTH))
            break;
        lines.push_back(stream.substr(at, end - at));
        afterCr = stream[end] == '\r';
        at = end + 1;
    }
    return lines;
}

// The rows of settings in table order.
std::vector<const ConfigParam*> Rows(const DeviceSettings& settings)
{
    std::vector<const ConfigParam*> rows;
    for (const ConfigGroup& group : settings)
        for (const ConfigParam& row : group.rows)
            rows.push_back(&row);
    return rows;
}

// The stored values match the lines from the first on; a success stored all.
void ExpectLines(const std::vector<const ConfigParam*>& rows, const std::vector<std::string>& lines,
                 std::size_t first, bool all)
{
    bool gap = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& value = rows[i]->value;
        if (!value) {
            gap = true;
            FUZZ_EXPECT(!all);
            continue;
        }
        FUZZ_EXPECT(!gap); // values only up to the first reply that failed
        FUZZ_EXPECT(first + i < lines.size());
        FUZZ_EXPECT(*value == lines[first + i]);
    }
}

// The stream cut after each line end, the LF of a CR LF with its CR; the
// piece for the last command holds the rest of the stream.
std::vector<std::string> Pieces(const std::string& stream, std::size_t commands)
{
    std::vector<std::string> pieces;
    std::size_t at = 0;
    while (at < stream.size() && pieces.size() + 1 < commands) {
        std::size_t end = stream.find_first_of("\r\n", at);
        if (end == std::string::npos)
            break;
        if (stream[end] == '\r' && end + 1 < stream.size() && stream[end + 1] == '\n')
            ++end;
        pieces.push_back(stream.substr(at, end + 1 - at));
        at = end + 1;
    }
    if (at < stream.size())
        pieces.push_back(stream.substr(at));
    return pieces;
}

// The device's end of the socket pair: a piece for each command that comes
// in (each ends with a zero byte), its stream ended once every piece is out.
class PieceByPiece {
public:
    PieceByPiece(int fd, std::vector<std::string> pieces)
        : m_fd(fd), m_pieces(std::move(pieces)), m_notifier(fd, QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { OnCommand(); });
        EndWhenDone();
    }

private:
    void OnCommand()
    {
        char buffer[256];
        const ssize_t got = read(m_fd, buffer, sizeof buffer);
        if (got <= 0) {
            m_notifier.setEnabled(false);
            return;
        }
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] != '\0' || m_next == m_pieces.size())
                continue;
            const std::string& piece = m_pieces[m_next++];
            FUZZ_EXPECT(write(m_fd, piece.data(), piece.size()) == ssize_t(piece.size()));
        }
        EndWhenDone();
    }
    void EndWhenDone()
    {
        if (m_next == m_pieces.size())
            shutdown(m_fd, SHUT_WR);
    }

    int m_fd;
    std::vector<std::string> m_pieces;
    std::size_t m_next = 0;
    QSocketNotifier m_notifier;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 64 * 1024)
        return 0;
    const bool push = data[0] & 1;
    const std::string stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return 0;
    DeviceConnection link;
    FUZZ_EXPECT(link.socket().setSocketDescriptor(fds[0]));
    DeviceSettings settings;
    DeviceSettings readBack;
    std::size_t commands = Rows(settings).size(); // a get each
    if (push) {
        for (ConfigGroup& group : settings)
            for (ConfigParam& row : group.rows)
                if (row.flags & PARAM_WRITE)
                    FUZZ_EXPECT(settings.SetByKey(row.key, "1"));
        commands = 2 * (commands - 2) + 1; // the sets, the apply, the gets of the read-back
        link.StartPush(settings, &readBack);
    } else {
        link.StartFetch(settings);
    }
    DeviceResult result;
    {
        PieceByPiece device(fds[1], Pieces(stream, commands));
        result = link.Wait();
    }
    close(fds[1]);

    const std::vector<std::string> lines = ReplyLines(stream);
    if (!push) {
        FUZZ_EXPECT(result == DEVICE_OK || result < 0);
        ExpectLines(Rows(settings), lines, 0, result == DEVICE_OK);
        return 0;
    }
    // 23 sets, the apply, then the 23 rows read back.
    std::vector<const ConfigParam*> readRows;
    for (const ConfigParam* row : Rows(readBack))
        if (row->flags & PARAM_WRITE)
            readRows.push_back(row);
    const std::size_t sets = readRows.size();
    if (result == DEVICE_OK || result == DEVICE_READ_BACK_FAILED) {
        FUZZ_EXPECT(lines.size() >= sets + 1);
        ExpectLines(readRows, lines, sets + 1, result == DEVICE_OK);
    } else {
        // Ended before the read-back: nothing was read back.
        FUZZ_EXPECT(result == DEVICE_APPLY_UNCONFIRMED || result < 0);
        if (result == DEVICE_APPLY_UNCONFIRMED)
            FUZZ_EXPECT(lines.size() == sets);
        for (const ConfigParam* row : readRows)
            FUZZ_EXPECT(!row->value);
    }
    return 0;
}
