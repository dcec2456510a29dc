#pragma once

#include <QString>

// The text a reader sees in an HTML fragment (another catalogue's comments,
// say): tags gone, entities decoded, paragraphs, line breaks and list items
// as line breaks, runs of white space as one space. Text without markup
// comes back with its white space tidied the same way.
QString PlainTextFromHtml(const QString &html);
