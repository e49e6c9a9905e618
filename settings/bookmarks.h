// The user's bookmarks: a 0-terminated array of article numbers in
// AppSettings.Bookmarks, read at start-up and written back at shutdown.
#pragma once
#include <cstdint>

#include "platform/record_source.h"   // kArticleCount

constexpr const char16_t kRemoveBookmarkQuestion[] = u"Remove Bookmark?\n\nCancel - Don't ask again";
constexpr const char16_t kBookmarkCaption[] = u"Bookmark";

// A list built by the reader holds each article at most once, so no sound
// list is longer than the book; longer stored lists are cut here.
constexpr uint16_t kMaxBookmarks = kArticleCount;

void LoadBookmarks();
void SaveBookmarks();
void FreeBookmarks();

// Whether the current article (Lesson) is on the list.
bool IsBookmarked();
// Puts Lesson at the end of the list unless it is there; silently nothing when
// memory runs out.
void AddBookmark();
// Takes every entry equal to Lesson off the list.
void RemoveBookmark();
// The Bookmark command: adds when bookmarked is 0, otherwise removes after the
// question (Yes removes, No keeps, Cancel removes and stops asking for the run).
void ToggleBookmark(int32_t bookmarked);
