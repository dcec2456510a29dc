#include "library/RemovalQuestion.h"

#include "app/UserPrompt.h"
#include "db/CategoryStore.h"

bool CConfirmation::Ask() const
{
    return ConfirmAction(text, action, canUndo);
}

CConfirmation CRemovalQuestion::ForBooks(int categoryId, const QString &categoryName, int count,
                                         int inNoOtherCategory, bool withSubcategories)
{
    CConfirmation question;
    if (categoryId == kAllBooks) {
        question.text =
            tr("Move %n book(s) to the Recycle Bin?", nullptr, count) + QStringLiteral("\n\n") +
            tr("[It leaves|They leave] every category. The Recycle Bin keeps [it|them] until [it "
               "is|they are] deleted there.",
               nullptr, count);
        question.action = tr("Move to Recycle Bin");
        return question;
    }
    if (categoryId == kRecycleBin) {
        question.text =
            tr("Delete %n book(s) for good?", nullptr, count) + QStringLiteral("\n\n") +
            tr("[Its|Their] links and covers go too. This cannot be undone.", nullptr, count);
        question.action = tr("Delete for Good");
        question.canUndo = false;
        return question;
    }
    QString fate;
    if (inNoOtherCategory < 0)
        fate = tr("Books in no other category go to the Recycle Bin.");
    else if (inNoOtherCategory == 0)
        fate = tr("[It stays|They stay] in the library and in [its|their] other categories.",
                  nullptr, count);
    else if (inNoOtherCategory == count)
        fate = tr("[It is|They are] in no other category, so [it goes|they go] to the Recycle Bin.",
                  nullptr, count);
    else
        fate = tr("%n of them [is|are] in no other category and [goes|go] to the Recycle Bin; the "
                  "others stay in their other categories.",
                  nullptr, inNoOtherCategory);
    const QString what =
        withSubcategories
            ? tr("Remove %n book(s) from \"%1\" and its subcategories?", nullptr, count)
            : tr("Remove %n book(s) from \"%1\"?", nullptr, count);
    question.text = what.arg(categoryName) + QStringLiteral("\n\n") + fate;
    question.action = tr("Remove from Category");
    return question;
}

CConfirmation CRemovalQuestion::ForCategory(const CCategoryRemoval &removal)
{
    CConfirmation question;
    question.text = removal.subCategoryCount == 0
                        ? tr("Remove the category \"%1\"?").arg(removal.name)
                        : tr("Remove the category \"%1\" and its %n subcategor[y|ies]?", nullptr,
                             removal.subCategoryCount)
                              .arg(removal.name);
    question.text += QStringLiteral("\n\n");
    const int books = removal.bookCount;
    const int toBin = removal.booksToRecycleBin;
    if (books == 0)
        question.text += tr("No book is filed there.");
    else if (toBin == 0)
        question.text += tr("The %n [book filed there stays|books filed there stay] in the "
                            "library and in [its|their] other categories.",
                            nullptr, books);
    else if (toBin == books)
        question.text += tr("The %n [book filed there is|books filed there are] in no other "
                            "category, so [it goes|they go] to the Recycle Bin.",
                            nullptr, books);
    else
        question.text += tr("Of the %1 books filed there, %n [is|are] in no other category and "
                            "[goes|go] to the Recycle Bin; the others stay in their other "
                            "categories.",
                            nullptr, toBin)
                             .arg(books);
    // Edit > Undo brings the categories back with their memberships.
    question.action = tr("Remove Category");
    return question;
}
