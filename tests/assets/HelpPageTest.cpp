// The help page opens in whatever viewer the desktop has, often without a
// network: it must be well-formed, self-contained UTF-8, and its table of
// contents must lead somewhere.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <vector>

#include "GameFolder.h"

namespace {

QString ReadHelpPage() {
  QFile file(GamePath(QStringLiteral("Notice01.html")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  QStringDecoder decode(QStringDecoder::Utf8);
  QString text = decode(bytes);
  if (decode.hasError()) return {};
  return text;
}

// Checks that every element opened is closed in order, outside the style
// sheet; returns the first fault found, or an empty text.
QString TagFault(const QString& html) {
  static const QSet<QString> kVoid = {"meta", "br", "hr", "img", "link", "input", "wbr"};
  static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z0-9]+)[^>]*?(/?)>"));
  std::vector<QString> open;
  auto it = tag.globalMatch(html);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    const QString name = m.captured(2).toLower();
    if (kVoid.contains(name) || !m.captured(3).isEmpty()) continue;
    if (m.captured(1).isEmpty()) {
      open.push_back(name);
    } else if (open.empty() || open.back() != name) {
      return QStringLiteral("</%1> at %2 does not close <%3>")
          .arg(name)
          .arg(m.capturedStart())
          .arg(open.empty() ? QString() : open.back());
    } else {
      open.pop_back();
    }
  }
  return open.empty() ? QString() : QStringLiteral("<%1> never closed").arg(open.back());
}

TEST(HelpPage, IsWellFormedSelfContainedUtf8) {
  const QString html = ReadHelpPage();
  ASSERT_FALSE(html.isEmpty()) << "missing or not UTF-8";
  EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
  EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"fr\">")));
  EXPECT_EQ(TagFault(html), QString());
  for (const char* outside : {"http:", "https:", "src=", "<link", "@import", "url("})
    EXPECT_FALSE(html.contains(QString::fromLatin1(outside))) << outside;
}

TEST(HelpPage, EveryInternalLinkHasItsTarget) {
  const QString html = ReadHelpPage();
  QSet<QString> ids;
  static const QRegularExpression id(QStringLiteral("id=\"([^\"]+)\""));
  for (auto it = id.globalMatch(html); it.hasNext();) ids.insert(it.next().captured(1));
  static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
  int links = 0;
  for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
    const QString target = it.next().captured(1);
    EXPECT_TRUE(ids.contains(target)) << target.toStdString();
  }
  EXPECT_GE(links, 10);
}

TEST(HelpPage, ExplainsTheGameTheWayItIsPlayedHere) {
  const QString html = ReadHelpPage();
  // The words the table shows, so a player can look up what he sees.
  for (const char* words :
       {"Je prends", "Je passe", "« Deux »", "NON, PAS CETTE FOIS", "DEDANS", "CAPOT", "dix de der",
        "BELOTE", "RE-BELOTE", "pot", "Tapis", "AIDE", "Quitter", "Oter le Son", "Mettre Animation",
        "Points pour cette partie", "<kbd>1</kbd> à <kbd>8</kbd>"})
    EXPECT_TRUE(html.contains(QString::fromUtf8(words))) << words;
  // Values of the announcements and of the capot.
  for (const char* row : {"Carré de valets</td>.*>200<", "Carré de neufs</td>.*>150<",
                          "Tierce</td>.*>20<", "Cinquante</td>.*>50<", "Cent</td>.*>100<",
                          "un seul</td><td>30 points", "deux</td><td>50 points", "88 points"})
    EXPECT_TRUE(html.contains(QRegularExpression(QString::fromUtf8(row)))) << row;
}

// Rules a player meets at the table and cannot work out without the page,
// and the page's former wrong claims, which must not come back.
TEST(HelpPage, SaysWhatTheGameDoesWherePlayersGetLost) {
  const QString html = ReadHelpPage();
  // Collapse the page's line breaks, so that sentences are found whole.
  const QString text = QString(html).replace(QRegularExpression(QStringLiteral("\\s+")), " ");
  for (const char* words : {
           // The taker left with exactly 30, and who keeps a capot bonus of 30.
           "exactement 30</strong>, ils sont ramenés à 0",
           "capot, un preneur à 20 marque 50",
           // What a failed taker hands over, and where a pot goes.
           "les annonces du preneur sont perdues",
           "ramasse le pot avec les points de ce preneur",
           // Level with two or three seats: nothing happens, the pot waits.
           "égalité en tête avec deux ou trois autres joueurs",
           "le pot reste en attente",
           // Where the two marks of the deal's end show, and for how long.
           "<span class=\"screen\">DEDANS</span> s'affiche au milieu du tapis",
           "pendant environ une seconde",
           "pendant environ une demi-seconde",
           // Two plain-suit sequences with the same top card.
           "la première après l'atout dans le cycle Cœur, Carreau, Pique, Trèfle, Cœur",
           // What the contract compares, and points carried to the next deal.
           "La prime de capot n'entre pas dans cette comparaison",
           "s'ajoutent aux points de ses plis à la donne suivante",
           "La belote, elle, compte même sans pli",
           // The sound button right after DACCORD without the sound box.
           "le bouton affiche encore <strong>Oter le Son</strong>",
           "premier clic <em>met</em> le son",
           // The points arrows go on from the number shown, or the last whole one.
           "Les flèches partent du nombre affiché quand c'est un nombre entier (750 puis la flèche "
           "du haut donne 850), sinon du dernier nombre entier que le champ a contenu",
           // The suit chooser: where it opens, the refused suit, a press between tiles.
           "s'ouvre en bas de la table, par-dessus le bas de vos premières cartes",
           "son signe s'affiche dans la case ATOUT",
           "ce signe reste dans la case ATOUT",
           "Un clic tombé juste entre deux cases",
           // Texts as the table shows them, and what the deal panel's counter is.
           "Oter l' Animation",
           "<span class=\"screen\">TOUR = 3</span> peut s'afficher au premier tour",
           "La touche d'une carte déjà jouée ne joue rien",
           // Keyboard play: the French top row unshifted, arrows, suit chooser.
           "<kbd>&amp;</kbd> <kbd>é</kbd> <kbd>\"</kbd> <kbd>'</kbd> <kbd>(</kbd> <kbd>-</kbd> "
           "<kbd>è</kbd> <kbd>_</kbd>",
           "<kbd>1</kbd> à <kbd>4</kbd>",
           "<kbd>Échap</kbd> répond <strong>NON, PAS CETTE FOIS</strong>",
           "qui remporte chaque pli",
       })
    EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
  for (const char* wrong :
       {"Le bouton indique ce qu'un clic fera.", "Le panneau du preneur affiche",
        "se tapent avec <kbd>Maj</kbd>", "ne garde jamais la prime de capot de 30",
        "s'ouvre sous le tapis", "le tour d'enchères et le joueur qui a ouvert",
        "Les points du preneur et le pot vont au meilleur",
        "Le pot attend le prochain preneur qui réussit son contrat", "Oter l'Animation",
        "Les flèches partent toujours du nombre affiché", "exactement comme un clic sur la carte"})
    EXPECT_FALSE(text.contains(QString::fromUtf8(wrong))) << wrong;
}

}  // namespace
