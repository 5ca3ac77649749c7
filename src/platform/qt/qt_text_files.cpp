#include "platform/qt/qt_text_files.h"

#include "platform/line_reader.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QSaveFile>

#include <string>

namespace tavolin::platform {

namespace {

QString toFileName(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::unexpected<FsError> failure(const QFileDevice &file)
{
    FsErrorKind kind = FsErrorKind::Other;
    switch (file.error()) {
    case QFileDevice::OpenError:
        kind = QFile::exists(file.fileName()) ? FsErrorKind::NoPermission : FsErrorKind::NotFound;
        break;
    case QFileDevice::PermissionsError:
        kind = FsErrorKind::NoPermission;
        break;
    case QFileDevice::ResourceError:
        kind = FsErrorKind::NoSpace;
        break;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        kind = FsErrorKind::NotReady;
        break;
    default:
        break;
    }
    return std::unexpected(FsError{kind, file.errorString().toStdString()});
}

} // namespace

FsResult<void> QtTextFiles::writeText(std::string_view path, std::string_view text)
{
    const std::string bytes = textfile::encode(text);
    QSaveFile file(toFileName(path));
    if (!file.open(QIODevice::WriteOnly))
        return failure(file);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size()))
        != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return failure(file);
    }
    if (!file.commit())
        return failure(file);
    return {};
}

FsResult<TextFiles::ReadEnd> QtTextFiles::readLines(std::string_view path,
                                                    const LineHandler &onLine)
{
    QFile file(toFileName(path));
    if (!file.open(QIODevice::ReadOnly))
        return failure(file);

    constexpr qint64 kChunk = 1 << 20;
    LineReader reader(onLine);
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return ReadEnd::BrokeOff;
            break;
        }
        if (!reader.feed(
                    std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size()))))
            return ReadEnd::Stopped;
    }
    reader.finish();
    return ReadEnd::Complete;
}

} // namespace tavolin::platform
