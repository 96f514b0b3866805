#include "base/cp936.h"

#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace kv {

namespace {

// iconv converts a whole buffer at a time; an input it cannot represent stops it with
// EILSEQ at the offending character, which we report by position.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (valid())
            iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // One call of iconv; false with errno set when it stopped before the end.
    bool step(char** in, size_t* inLeft, char** out, size_t* outLeft)
    {
        return iconv(cd_, in, inLeft, out, outLeft) != static_cast<size_t>(-1);
    }

    // Converts input; on an unconvertible sequence returns false and sets *failedAt to
    // the byte offset in the input where conversion stopped.
    bool convert(const QByteArray& input, QByteArray* output, qsizetype* failedAt)
    {
        output->clear();
        QByteArray in = input;
        char* inPtr = in.data();
        size_t inLeft = static_cast<size_t>(in.size());
        QByteArray buffer(static_cast<qsizetype>(inLeft * 4 + 16), '\0');
        char* outPtr = buffer.data();
        size_t outLeft = static_cast<size_t>(buffer.size());
        while (inLeft > 0) {
            if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
                if (errno == E2BIG) {
                    const qsizetype used = outPtr - buffer.data();
                    buffer.resize(buffer.size() * 2);
                    outPtr = buffer.data() + used;
                    outLeft = static_cast<size_t>(buffer.size() - used);
                    continue;
                }
                *failedAt = inPtr - in.data();
                buffer.resize(outPtr - buffer.data());
                *output = buffer;
                return false;
            }
        }
        buffer.resize(outPtr - buffer.data());
        *output = buffer;
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

std::optional<QByteArray> EncodeCp936(const QString& text, QString* unencodable)
{
    Iconv cd("CP936", "UTF-16LE");
    if (!cd.valid())
        return std::nullopt;
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray out;
    qsizetype failedAt = 0;
    if (cd.convert(utf16, &out, &failedAt))
        return out;
    if (unencodable) {
        const qsizetype index = failedAt / 2;
        const bool pair = index + 1 < text.size() && text.at(index).isHighSurrogate();
        *unencodable = text.mid(index, pair ? 2 : 1);
    }
    return std::nullopt;
}

QString DecodeCp936(const QByteArray& bytes, bool* whole)
{
    if (whole)
        *whole = true;
    Iconv cd("UTF-16LE", "CP936");
    if (!cd.valid()) {
        if (whole)
            *whole = bytes.isEmpty();
        return QString();
    }
    // One pass over the input: at an undecodable byte the conversion resumes right
    // after it, so a file full of stray bytes costs no more than a clean one.
    static const char kReplacement[] = {char(0xFD), char(0xFF)}; // U+FFFD, little-endian
    QByteArray out(bytes.size() * 2 + 16, '\0');
    char* inPtr = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    const auto grow = [&] {
        const qsizetype used = outPtr - out.data();
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = static_cast<size_t>(out.size() - used);
    };
    while (inLeft > 0) {
        if (cd.step(&inPtr, &inLeft, &outPtr, &outLeft))
            continue;
        if (errno == E2BIG) {
            grow();
            continue;
        }
        if (whole)
            *whole = false;
        if (outLeft < sizeof kReplacement)
            grow();
        std::memcpy(outPtr, kReplacement, sizeof kReplacement);
        outPtr += sizeof kReplacement;
        outLeft -= sizeof kReplacement;
        ++inPtr;
        --inLeft;
    }
    return QString(reinterpret_cast<const QChar*>(out.constData()), (outPtr - out.data()) / 2);
}

QString DecodeUtf8OrCp936(const QByteArray& bytes, bool* readable)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (readable)
            *readable = true;
        return text;
    }
    return DecodeCp936(bytes, readable);
}

} // namespace kv
