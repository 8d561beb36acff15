#include "platform/ReopenSocket.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include "core/Runtime.h"

namespace fw::platform {
namespace {

const QByteArray kRequest = "aevt rapp\n";
const QByteArray kAnswer = "ok\n";
constexpr int kAnswerWaitMs = 1000;
constexpr int kIdleClientMs = 2000;
constexpr int kMaxRequestBytes = 64;

QString DisplayName() {
  QString display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) {
    display = qEnvironmentVariable("WAYLAND_DISPLAY");
  }
  if (display.isEmpty()) {
    display = QGuiApplication::platformName();
  }
  for (QChar& c : display) {
    if (!c.isLetterOrNumber() && c != '.') {
      c = '_';
    }
  }
  return display;
}

}  // namespace

String ReopenSocketName() {
  QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (dir.isEmpty() || !QDir(dir).exists()) {
    dir = QDir::tempPath();
  }
  QString name = QStringLiteral("%1/%2-%3-%4.socket")
                     .arg(dir, QCoreApplication::applicationName())
                     .arg(getuid())
                     .arg(DisplayName());
  return name.toStdString();
}

bool HandOverReopenRequest(const String& name) {
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(name));
  if (!socket.waitForConnected(kAnswerWaitMs)) {
    return false;
  }
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(kAnswerWaitMs)) {
    return false;
  }
  QByteArray answer;
  while (answer.size() < kAnswer.size() && socket.waitForReadyRead(kAnswerWaitMs)) {
    answer += socket.readAll();
  }
  return answer.startsWith(kAnswer);
}

ReopenServer::ReopenServer(const String& name, std::function<void()> onRequest)
    : server_(std::make_unique<QLocalServer>()), onRequest_(std::move(onRequest)) {
  QString path = QString::fromStdString(name);
  // Other users' programs must not reach this one.
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(path)) {
    // The socket of a program that died, or of one that did not answer.
    QLocalServer::removeServer(path);
    server_->listen(path);
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
      QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
      QTimer::singleShot(kIdleClientMs, client, [client] { client->abort(); });
      QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
        QByteArray request = client->peek(kMaxRequestBytes + 1);
        if (!request.contains('\n') && request.size() <= kMaxRequestBytes) {
          return;  // wait for the rest of the line
        }
        client->readAll();
        if (request != kRequest) {
          client->abort();  // anything else is ignored
          return;
        }
        client->write(kAnswer);
        client->flush();
        client->disconnectFromServer();
        onRequest_();
      });
    }
  });
}

ReopenServer::~ReopenServer() {
  if (server_->isListening()) {
    server_->close();
  }
}

bool ReopenServer::Listening() const {
  return server_->isListening();
}

}  // namespace fw::platform
