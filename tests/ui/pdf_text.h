// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The text of a PDF file as Qt writes it, for tests: the glyphs its pages show, in the order
// they are drawn, through the Unicode maps of their fonts, ligatures taken apart. Qt places
// every glyph on its own: a blank may come as a tab, and a wrapped line has none at its
// break, so texts are best compared without their blanks.

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QtEndian>
#include <algorithm>

namespace pdf_text {

// A stream's data, inflated when it is compressed.
inline QByteArray StreamData(const QByteArray& object) {
  const qsizetype start = object.indexOf("stream");
  const qsizetype end = object.lastIndexOf("endstream");
  if (start < 0 || end < start) return {};
  qsizetype from = start + 6;
  while (from < end && (object[from] == '\r' || object[from] == '\n')) ++from;
  const QByteArray data = object.mid(from, end - from);
  if (!object.left(start).contains("/FlateDecode")) return data;
  // qUncompress takes the length it expects first, as four bytes, big end first.
  QByteArray framed(4, '\0');
  qToBigEndian<quint32>(static_cast<quint32>(data.size() * 64 + 4096), framed.data());
  return qUncompress(framed + data);
}

// A font's ToUnicode map: glyph code to text.
inline QHash<uint, QString> UnicodeMap(const QByteArray& cmap) {
  QHash<uint, QString> map;
  const QString text = QString::fromLatin1(cmap);
  auto hex = [](const QString& h) { return h.toUInt(nullptr, 16); };
  auto unicode = [&](const QString& h) {
    QString s;
    for (int i = 0; i + 4 <= h.size(); i += 4) s += QChar(static_cast<char16_t>(hex(h.mid(i, 4))));
    return s;
  };
  static const QRegularExpression range(
      QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(\\[[^\\]]*\\]|<[0-9A-Fa-f]+>)"));
  static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]+)>"));
  for (const QString& block : text.split(QStringLiteral("beginbf"))) {
    const QString body = block.section(QStringLiteral("endbf"), 0, 0);
    if (block.startsWith(QStringLiteral("range"))) {
      for (auto m = range.globalMatch(body); m.hasNext();) {
        const auto match = m.next();
        const uint first = hex(match.captured(1));
        const uint last = hex(match.captured(2));
        const QString to = match.captured(3);
        if (to.startsWith(QLatin1Char('['))) {
          uint c = first;
          for (auto t = code.globalMatch(to); t.hasNext() && c <= last; ++c)
            map[c] = unicode(t.next().captured(1));
        } else {
          const uint base = hex(to.mid(1, to.size() - 2));
          for (uint c = first; c <= last; ++c)
            map[c] = QChar(static_cast<char16_t>(base + c - first));
        }
      }
    } else if (block.startsWith(QStringLiteral("char"))) {
      static const QRegularExpression pair(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
      for (auto m = pair.globalMatch(body); m.hasNext();) {
        const auto match = m.next();
        map[hex(match.captured(1))] = unicode(match.captured(2));
      }
    }
  }
  return map;
}

}  // namespace pdf_text

inline QString PdfText(const QByteArray& pdf) {
  using namespace pdf_text;
  QHash<int, QByteArray> objects;
  static const QRegularExpression object(QStringLiteral("(\\d+) 0 obj(.*?)endobj"),
                                         QRegularExpression::DotMatchesEverythingOption);
  const QString latin = QString::fromLatin1(pdf);
  for (auto m = object.globalMatch(latin); m.hasNext();) {
    const auto match = m.next();
    objects[match.captured(1).toInt()] = match.captured(2).toLatin1();
  }
  // Fonts by their resource names (Qt names each after its object: /F7 is 7 0 R).
  QHash<QString, QHash<uint, QString>> fonts;
  static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) 0 R"));
  for (auto it = objects.begin(); it != objects.end(); ++it) {
    const auto match = toUnicode.match(QString::fromLatin1(it.value()));
    if (match.hasMatch())
      fonts[QStringLiteral("F%1").arg(it.key())] =
          UnicodeMap(StreamData(objects.value(match.captured(1).toInt())));
  }
  // The pages' contents in page order.
  QString text;
  static const QRegularExpression contents(QStringLiteral("/Contents (\\d+) 0 R"));
  static const QRegularExpression op(QStringLiteral("/(F\\d+) [0-9.]+ Tf|<([0-9A-Fa-f]*)> Tj"));
  static const QRegularExpression page(QStringLiteral("/Type /Page\\b"));
  QList<int> pages;
  for (auto it = objects.begin(); it != objects.end(); ++it)
    if (page.match(QString::fromLatin1(it.value())).hasMatch()) pages << it.key();
  std::sort(pages.begin(), pages.end());
  for (const int p : pages) {
    const auto c = contents.match(QString::fromLatin1(objects.value(p)));
    if (!c.hasMatch()) continue;
    const QString stream = QString::fromLatin1(StreamData(objects.value(c.captured(1).toInt())));
    const QHash<uint, QString>* font = nullptr;
    for (auto m = op.globalMatch(stream); m.hasNext();) {
      const auto match = m.next();
      if (!match.captured(1).isEmpty()) {
        const auto found = fonts.constFind(match.captured(1));
        font = found == fonts.cend() ? nullptr : &found.value();
        continue;
      }
      const QString codes = match.captured(2);
      for (int i = 0; font && i + 4 <= codes.size(); i += 4)
        text += font->value(codes.mid(i, 4).toUInt(nullptr, 16));
    }
  }
  return text.normalized(QString::NormalizationForm_KC);
}
