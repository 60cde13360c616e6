#include "serve/previewserver.h"

#include "common/diagnostics.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <httplib.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr size_t chunkBytes = 64 * 1024;

std::string randomToken()
{
    std::array<quint32, 4> words{}; // 128 bits
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    std::string token;
    for (const quint32 word : words) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", word);
        token += hex;
    }
    return token;
}

// A byte range of a file of size bytes, as the request asks for it: nothing for
// the whole file, an empty range when it cannot be satisfied.
std::optional<std::pair<size_t, size_t>> requestedRange(const httplib::Request &request, size_t size)
{
    if (request.ranges.size() != 1)
        return std::nullopt;
    const auto [first, last] = request.ranges.front();
    if (first < 0) // the last N bytes
        return last <= 0 || size == 0 ? std::pair<size_t, size_t>{0, 0}
                                      : std::pair{size - std::min(size, size_t(last)), size};
    if (size_t(first) >= size || (last >= 0 && last < first))
        return std::pair<size_t, size_t>{0, 0};
    return std::pair{size_t(first), last < 0 ? size : std::min(size, size_t(last) + 1)};
}

void serveFile(const httplib::Request &request, httplib::Response &response, const std::string &path)
{
    std::shared_ptr<FILE> file(std::fopen(path.c_str(), "rbe"), [](FILE *opened) {
        if (opened)
            std::fclose(opened);
    });
    struct stat facts = {};
    if (!file || ::fstat(::fileno(file.get()), &facts) != 0 || !S_ISREG(facts.st_mode)) {
        response.status = 404;
        return;
    }
    const size_t size = size_t(facts.st_size);
    const std::optional<std::pair<size_t, size_t>> range = requestedRange(request, size);
    if (range && range->first >= range->second) {
        response.status = 416;
        response.set_header("Content-Range", "bytes */" + std::to_string(size));
        return;
    }
    if (range) {
        // The library answers ranges itself but trusts their end; a range past the
        // end of the file means up to it (RFC 9110), so the range is made that.
        // The request is the server's own object, handed over as const.
        const_cast<httplib::Request &>(request).ranges = {{ssize_t(range->first), ssize_t(range->second) - 1}};
    }
    response.set_header("Accept-Ranges", "bytes");
    response.set_header("Cache-Control", "no-store");
    // One buffer for the whole response: a large file goes out through it chunk by chunk.
    auto buffer = std::make_shared<std::vector<char>>(chunkBytes);
    response.set_content_provider(
        size, PreviewServer::contentType(path), [file, buffer](size_t offset, size_t length, httplib::DataSink &sink) {
            if (::fseeko(file.get(), off_t(offset), SEEK_SET) != 0)
                return false;
            const size_t read = std::fread(buffer->data(), 1, std::min(length, buffer->size()), file.get());
            return read > 0 && sink.write(buffer->data(), read);
        });
}

} // namespace

PreviewServer::PreviewServer() = default;

PreviewServer::~PreviewServer()
{
    stop();
}

std::optional<std::string> PreviewServer::fileForPath(const std::string &folder, const std::string &token,
                                                      const std::string &path)
{
    const std::string prefix = '/' + token + '/';
    if (token.empty() || folder.empty() || path.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::string name = path.substr(prefix.size());
    if (name.empty() || name.find('\0') != std::string::npos)
        return std::nullopt;
    // Every step a real folder of its own name, never a link nor a hidden or parent entry.
    std::string file = folder;
    for (size_t begin = 0; begin <= name.size();) {
        const size_t end = std::min(name.find('/', begin), name.size());
        const std::string step = name.substr(begin, end - begin);
        if (step.empty() || step.front() == '.')
            return std::nullopt;
        file += '/' + step;
        struct stat facts = {};
        const bool last = end == name.size();
        // lstat: a link is never followed, in the folder or out of it.
        if (::lstat(file.c_str(), &facts) != 0 || !(last ? S_ISREG(facts.st_mode) : S_ISDIR(facts.st_mode)))
            return std::nullopt;
        begin = end + 1;
    }
    return file;
}

std::string PreviewServer::contentType(const std::string &name)
{
    auto endsWith = [&name](const char *ending) {
        const std::string suffix = ending;
        return name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (endsWith(".html"))
        return "text/html; charset=utf-8";
    if (endsWith(".mp4"))
        return "video/mp4";
    if (endsWith(".jpg") || endsWith(".jpeg"))
        return "image/jpeg";
    if (endsWith(".vtt"))
        return "text/vtt; charset=utf-8";
    if (endsWith(".m3u8"))
        return "application/vnd.apple.mpegurl";
    if (endsWith(".js"))
        return "text/javascript; charset=utf-8";
    if (endsWith(".txt"))
        return "text/plain; charset=utf-8";
    return "application/octet-stream";
}

std::optional<QUrl> PreviewServer::serve(const QString &folder, int port)
{
    std::string token;
    {
        // One token a folder for the server's life: a tab opened before keeps seeking and loading captions.
        const std::lock_guard lock(m_mutex);
        const std::string path = folder.toStdString();
        const auto known = std::find_if(m_folders.begin(), m_folders.end(), [&path](const auto &entry) { return entry.second == path; });
        token = known != m_folders.end() ? known->first : randomToken();
        m_folders[token] = path;
    }
    if (!m_server) {
        auto server = std::make_unique<httplib::Server>();
        server->Get(".*", [this](const httplib::Request &request, httplib::Response &response) {
            std::optional<std::string> file;
            {
                const std::lock_guard lock(m_mutex);
                const std::string asked = request.path.substr(1, request.path.find('/', 1) - 1);
                if (const auto served = m_folders.find(asked); served != m_folders.end())
                    file = fileForPath(served->second, served->first, request.path);
            }
            if (!file) {
                response.status = 404;
                return;
            }
            serveFile(request, response, *file);
        });
        const int bound = port == 0 ? server->bind_to_any_port("127.0.0.1") : (server->bind_to_port("127.0.0.1", port) ? port : -1);
        if (bound <= 0) {
            writeDiagnosticLine(QCoreApplication::translate("Serve", "The preview server could not listen on 127.0.0.1"));
            return std::nullopt;
        }
        m_port = bound;
        m_server = std::move(server);
        m_thread = std::thread([server = m_server.get()] { server->listen_after_bind(); });
        // A stop before the loop runs would be lost: it starts within a moment.
        for (int waited = 0; !m_server->is_running() && waited < 2000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return QUrl(QStringLiteral("http://127.0.0.1:%1/%2/html5Video.html").arg(m_port).arg(QString::fromStdString(token)));
}

void PreviewServer::stop()
{
    if (!m_server)
        return;
    m_server->stop();
    if (m_thread.joinable())
        m_thread.join();
    m_server.reset();
}
