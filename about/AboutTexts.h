#pragma once

namespace about {

// The maker's web site: the logo opens the home page, the link label the tools page.
inline constexpr const char* HomePageAddress = "https://quorvel.example/";
inline constexpr const char* ToolsPageAddress = "https://quorvel.example/tools/";

// What the link label shows: the tools page's address without scheme and final slash.
inline constexpr const char* ToolsLinkText = "quorvel.example/tools";

inline constexpr const char* CreditText = "© 2020 Brask Quorvel";

// The freeware notice and disclaimer, one paragraph a line.
inline constexpr const char* NoticeText =
    "Brask Quorvel ist Freeware.\n"
    "\n"
    "Das Programm darf kostenlos benutzt werden.\n"
    "Das unveränderte Programm darf frei weitergegeben werden.\n"
    "Für Benutzung und Weitergabe wird keine Gebühr verlangt.\n"
    "\n"
    "\n"
    "GARANTIE- UND HAFTUNGSAUSSCHLUSS\n"
    "\n"
    "Die Benutzung dieses Programms geschieht auf eigene Gefahr.\n"
    "Das Programm wird so zur Verfügung gestellt, wie es ist.\n"
    "Es wird keinerlei Garantie übernommen, weder ausdrücklich noch stillschweigend.\n"
    "Es wird nicht garantiert, dass das Programm fehlerfrei arbeitet.\n"
    "Es wird nicht garantiert, dass das Programm ohne Unterbrechung arbeitet.\n"
    "Es wird nicht garantiert, dass das Programm für einen bestimmten Zweck geeignet ist.\n"
    "Die angezeigten Messwerte werden von Hand eingegeben und stammen von keinem Messgerät.\n"
    "Für die Richtigkeit der erzeugten Bilder wird keine Gewähr übernommen.\n"
    "Der Autor haftet nicht für Schäden, die durch die Benutzung des Programms entstehen.\n"
    "Er haftet auch nicht für Schäden, die entstehen, weil das Programm nicht benutzt werden "
    "kann.\n"
    "Das gilt für Schäden an Rechnern, Geräten und anderen Programmen.\n"
    "Das gilt ebenso für verlorene oder beschädigte Daten.\n"
    "Das gilt auch für entgangenen Gewinn, Arbeitsausfall und alle Folgeschäden.\n"
    "Die Haftung ist ausgeschlossen, soweit das Gesetz dies zulässt.\n"
    "Wichtige Daten sollten vor der Benutzung jedes Programms gesichert werden.\n"
    "Die Weitergabe ist nur in unveränderter Form erlaubt.\n"
    "Dabei müssen dieser Hinweis und der Haftungsausschluss erhalten bleiben.\n"
    "Wer das Programm benutzt, erkennt diese Bedingungen an.\n"
    "Wer mit ihnen nicht einverstanden ist, darf das Programm nicht benutzen.\n"
    "Sollte eine dieser Bestimmungen unwirksam sein, bleiben die übrigen wirksam.\n"
    "Das Urheberrecht an dem Programm bleibt beim Autor.";

} // namespace about
