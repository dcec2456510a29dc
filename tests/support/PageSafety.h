#pragma once

#include <QString>

// Reading a written page as a browser would, to see what it would run. The
// page is parsed by libxml2's HTML parser (entities decoded as a browser
// decodes them) and checked on its own terms, not with the program's
// sanitizer.

// The text a page's scripts would set as the document's title if any ran.
inline constexpr char kScriptMarker[] = "ScriptRan";

// A book description with every way a copied text could run script or
// leave the page: script elements, event handlers in any letter case,
// script addresses written plainly, in mixed case, with entities and line
// breaks, refreshes, frames, plug-ins, forms, a base address, SVG and
// MathML, and the page's own link schemes wrapped around a script address.
// Each that runs sets the title to kScriptMarker or leaves the page.
QString HostileBookHtml();

// What in `html` a browser would run or follow without being asked, one line
// each ("script element", "onerror=... on img", "href=javascript:... on a"):
// empty for a page that runs nothing.
QString RunnablePartsOfPage(const QString &html);

// libxml2's complaints about the nesting of `html` (end tags without a
// start, elements left open, a second html element), one line each; empty
// for a well-formed page.
QString PageStructureErrors(const QString &html);

// The content of the first element of the page's head when that element is
// a Content-Security-Policy meta element; empty otherwise.
QString FirstHeadPolicy(const QString &html);
