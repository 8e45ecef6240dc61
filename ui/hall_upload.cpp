// The hall's HTTP calls through Qt Network, each waited for in a local event loop.
#include "ui/hall_upload.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QUrlQuery>
#include <memory>

namespace stonewick {

namespace {

constexpr int kAnswerWaitMs = 30'000;

QUrl ApiUrl(const QString& hallUrl, const QString& path) {
  QString base = hallUrl;
  while (base.endsWith('/')) {
    base.chop(1);
  }
  return QUrl(base + path);
}

struct Reply {
  int status = 0;
  QJsonObject body;
  QString transportError;
};

// Sends `request` (a GET when `body` is null) and waits for the whole answer.
Reply Exchange(QNetworkRequest request, const QByteArray* body) {
  QNetworkAccessManager network;
  request.setTransferTimeout(kAnswerWaitMs);
  std::unique_ptr<QNetworkReply> reply(body == nullptr ? network.get(request)
                                                       : network.post(request, *body));
  QEventLoop wait;
  QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
  wait.exec();
  Reply answer;
  answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  answer.body = QJsonDocument::fromJson(reply->readAll()).object();
  if (answer.status == 0) {
    answer.transportError = reply->errorString();
  }
  return answer;
}

}  // namespace

std::optional<DailyBoard> FetchDailyBoard(const QString& hallUrl, QString& error) {
  const Reply reply = Exchange(QNetworkRequest(ApiUrl(hallUrl, "/api/daily")), nullptr);
  const QJsonValue seed = reply.body.value("seed");
  const QString day = reply.body.value("day").toString();
  if (reply.status != 200 || day.isEmpty() || !seed.isDouble() || seed.toDouble() < 0 ||
      seed.toDouble() > 4294967295.0) {
    error = reply.status == 0 ? reply.transportError : QString("HTTP %1").arg(reply.status);
    return std::nullopt;
  }
  return DailyBoard{day, static_cast<std::uint32_t>(seed.toDouble())};
}

HallAnswer SendToHall(const QString& hallUrl, const QString& name, const QString& token,
                      const QByteArray& recording, const QString& day) {
  QUrl url = ApiUrl(hallUrl, "/api/games");
  QUrlQuery query;
  query.addQueryItem("player", name);
  if (!day.isEmpty()) {
    query.addQueryItem("daily", day);
  }
  url.setQuery(query);
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::ContentTypeHeader, "text/plain; charset=utf-8");
  if (!token.isEmpty()) {
    request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
  }
  const Reply reply = Exchange(request, &recording);
  HallAnswer answer;
  answer.status = reply.status;
  if (reply.status == 201) {
    answer.level = reply.body.value("level").toInt();
    answer.kills = reply.body.value("kills").toInt();
    answer.token = reply.body.value("token").toString();
  } else if (reply.status == 0) {
    answer.error = reply.transportError;
  } else {
    answer.error = reply.body.value("error").toString(QString("HTTP %1").arg(reply.status));
  }
  return answer;
}

}  // namespace stonewick
