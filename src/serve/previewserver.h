#pragma once

#include <QString>
#include <QUrl>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

// A web server on 127.0.0.1 for previewing one export folder as a web site
// serves it: http://127.0.0.1:PORT/TOKEN/html5Video.html, the token random
// (128 bits) so that no other local user or page can guess its way in, and
// the folder's own for the server's life. It
// serves only the folder's regular files, by name (no listing, no "..", no
// links, no hidden files), to GET and HEAD, with ranges for seeking, streamed
// from disk. It runs on a thread of its own from the first serve() until it is
// destroyed or stopped.
class PreviewServer
{
public:
    PreviewServer();
    ~PreviewServer();
    PreviewServer(const PreviewServer &) = delete;
    PreviewServer &operator=(const PreviewServer &) = delete;

    // Serves folder from now on, beside those served before, under the token it
    // had (or a new one); the address of its page, or nothing when the server
    // cannot listen. port 0 lets the system pick one;
    // it counts only for the first call, which starts the server.
    [[nodiscard]] std::optional<QUrl> serve(const QString &folder, int port = 0);
    // Stops listening and waits for the server's thread; safe to call twice.
    void stop();

    // The file a request path names, or nothing: "/TOKEN/NAME" for a regular
    // file NAME in folder or in a subfolder of it ("hls/360p.m3u8"), every step
    // a real file or folder (no link) whose name does not start with ".".
    [[nodiscard]] static std::optional<std::string> fileForPath(const std::string &folder, const std::string &token,
                                                                const std::string &path);
    // The Content-Type of a file by its name's ending.
    [[nodiscard]] static std::string contentType(const std::string &name);

private:
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
    std::mutex m_mutex; // guards the folders, which the server's threads read
    std::map<std::string, std::string> m_folders; // by token
};
