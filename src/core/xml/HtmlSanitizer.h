#pragma once

#include <QString>

// HTML that came with a book (its description and notes, often copied from a
// web page) made fit for the book page: whatever a browser would run or
// follow on its own is taken out, ordinary formatting stays.
//
// The text is read by libxml2's HTML parser as a browser reads it (entities
// decoded, tags balanced) and written out again from the tree, keeping only
// the elements and attributes of formatted text, tables, pictures and links:
// - scripts, style sheets, frames, plug-ins, forms' controls, meta, base,
//   media and SVG/MathML go with everything inside them;
// - other unknown elements go, their content stays;
// - event handlers and every attribute outside the list go;
// - addresses go unless a browser would take them as a web, mail, FTP or
//   file address, a relative address or one of the page's own links
//   (pictures may also be data:image/...);
// - style attributes that could run script go.
// Text and attribute values are escaped again on the way out, so nothing the
// parser read as text becomes markup.
QString SanitizeBookHtml(const QString &html);

enum class AddressUse
{
    kLink,   // followed when clicked (href, cite)
    kPicture // fetched as a picture (img src, background)
};

// True when a browser given `address` in a page would not run script with it
// and would reach only what the page is meant to reach (see above).
bool IsHarmlessAddress(const QString &address, AddressUse use = AddressUse::kLink);
