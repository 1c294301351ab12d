#include "platform/net/webdav_xml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace tkm {

namespace {

int StatusCode(const QString& statusLine) {
    // "HTTP/1.1 404 Not Found"
    const QStringList words = statusLine.simplified().split(u' ');
    return words.size() >= 2 ? words[1].toInt() : 0;
}

bool Is(const QXmlStreamReader& xml, const QString& ns, const QString& local) {
    return xml.namespaceUri() == ns && xml.name() == local;
}

class TMultiStatusReader {
public:
    explicit TMultiStatusReader(const QByteArray& body) : xml_(body) {}

    std::optional<TMultiStatus> Read() {
        if (!xml_.readNextStartElement() || !Is(xml_, DavNamespace, u"multistatus"_qs)) return std::nullopt;
        while (xml_.readNextStartElement()) {
            if (Is(xml_, DavNamespace, u"response"_qs))
                ReadResponse();
            else if (Is(xml_, DavNamespace, u"sync-token"_qs))
                result_.SyncToken = xml_.readElementText().trimmed();
            else
                xml_.skipCurrentElement();
        }
        if (xml_.hasError()) return std::nullopt;
        return std::move(result_);
    }

private:
    void ReadResponse() {
        TDavResponse response;
        while (xml_.readNextStartElement()) {
            if (Is(xml_, DavNamespace, u"href"_qs))
                response.Href = xml_.readElementText().trimmed();
            else if (Is(xml_, DavNamespace, u"status"_qs))
                response.Status = StatusCode(xml_.readElementText());
            else if (Is(xml_, DavNamespace, u"propstat"_qs))
                ReadPropstat(response);
            else
                xml_.skipCurrentElement();
        }
        result_.Responses.push_back(std::move(response));
    }

    void ReadPropstat(TDavResponse& response) {
        std::map<TDavName, TDavProperty> properties;
        int status = 0;
        while (xml_.readNextStartElement()) {
            if (Is(xml_, DavNamespace, u"prop"_qs)) {
                while (xml_.readNextStartElement()) {
                    TDavName name{xml_.namespaceUri().toString(), xml_.name().toString()};
                    properties[std::move(name)] = ReadProperty();
                }
            } else if (Is(xml_, DavNamespace, u"status"_qs)) {
                status = StatusCode(xml_.readElementText());
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (status >= 200 && status < 300) response.Properties.merge(properties);
    }

    // Reads the property element the reader stands on, to its end.
    TDavProperty ReadProperty() {
        TDavProperty property;
        int depth = 0;
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                if (depth == 0) {
                    if (Is(xml_, CaldavNamespace, u"comp"_qs))
                        property.Components << xml_.attributes().value(u"name"_qs).toString().toUpper();
                    else if (!Is(xml_, DavNamespace, u"href"_qs))
                        property.Kinds.push_back({xml_.namespaceUri().toString(), xml_.name().toString()});
                }
                if (Is(xml_, DavNamespace, u"href"_qs)) {
                    property.Hrefs << xml_.readElementText().trimmed();
                    continue;
                }
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                if (depth == 0) return property;
                --depth;
                break;
            case QXmlStreamReader::Characters:
                if (depth == 0) property.Text += xml_.text();
                break;
            default:
                break;
            }
        }
        return property;
    }

    QXmlStreamReader xml_;
    TMultiStatus result_;
};

class TBodyWriter {
public:
    explicit TBodyWriter(const QString& rootNamespace, const QString& root) : xml_(&body_) {
        xml_.writeStartDocument();
        xml_.writeNamespace(DavNamespace, u"d"_qs);
        xml_.writeNamespace(CaldavNamespace, u"c"_qs);
        xml_.writeNamespace(CalendarServerNamespace, u"cs"_qs);
        xml_.writeStartElement(rootNamespace, root);
    }
    QXmlStreamWriter& Xml() { return xml_; }
    void Properties(const std::vector<TDavName>& names) {
        xml_.writeStartElement(DavNamespace, u"prop"_qs);
        for (const TDavName& name : names) xml_.writeEmptyElement(name.Namespace, name.Local);
        xml_.writeEndElement();
    }
    QByteArray Finish() {
        xml_.writeEndDocument();
        return body_;
    }

private:
    QByteArray body_;
    QXmlStreamWriter xml_;
};

}  // namespace

const TDavProperty* TDavResponse::Find(const QString& ns, const QString& local) const {
    const auto it = Properties.find(TDavName{ns, local});
    return it == Properties.end() ? nullptr : &it->second;
}

bool TDavResponse::IsA(const QString& ns, const QString& local) const {
    const TDavProperty* type = Find(DavNamespace, u"resourcetype"_qs);
    if (!type) return false;
    for (const TDavName& kind : type->Kinds)
        if (kind.Namespace == ns && kind.Local == local) return true;
    return false;
}

std::optional<TMultiStatus> ReadMultiStatus(const QByteArray& body) { return TMultiStatusReader(body).Read(); }

QByteArray PropfindBody(const std::vector<TDavName>& properties) {
    TBodyWriter body(DavNamespace, u"propfind"_qs);
    body.Properties(properties);
    return body.Finish();
}

QByteArray SyncCollectionBody(const QString& syncToken) {
    TBodyWriter body(DavNamespace, u"sync-collection"_qs);
    body.Xml().writeTextElement(DavNamespace, u"sync-token"_qs, syncToken);
    body.Xml().writeTextElement(DavNamespace, u"sync-level"_qs, u"1"_qs);
    body.Properties({{DavNamespace, u"getetag"_qs}});
    return body.Finish();
}

QByteArray MultigetBody(const QStringList& hrefs) {
    TBodyWriter body(CaldavNamespace, u"calendar-multiget"_qs);
    body.Properties({{DavNamespace, u"getetag"_qs}, {CaldavNamespace, u"calendar-data"_qs}});
    for (const QString& href : hrefs) body.Xml().writeTextElement(DavNamespace, u"href"_qs, href);
    return body.Finish();
}

QByteArray MakeTaskCollectionBody(const QString& displayName) {
    TBodyWriter body(CaldavNamespace, u"mkcalendar"_qs);
    QXmlStreamWriter& xml = body.Xml();
    xml.writeStartElement(DavNamespace, u"set"_qs);
    xml.writeStartElement(DavNamespace, u"prop"_qs);
    xml.writeTextElement(DavNamespace, u"displayname"_qs, displayName);
    xml.writeStartElement(CaldavNamespace, u"supported-calendar-component-set"_qs);
    xml.writeEmptyElement(CaldavNamespace, u"comp"_qs);
    xml.writeAttribute(u"name"_qs, u"VTODO"_qs);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    return body.Finish();
}

}  // namespace tkm
