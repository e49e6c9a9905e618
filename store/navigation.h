// The current article (AppSettings.Lesson) and moving between articles.
#pragma once
#include <cstdint>

#include "platform/ports.h"   // kRepaintAll, what a new article asks the shell to paint
#include "view/text_device.h"

constexpr int32_t kScreenViewCapacity = 100;   // initial line table of the screen view

constexpr const char16_t kResourceNotFound[] = u"Resource not found";
constexpr const char16_t kErrorCaption[] = u"Error";

// With a number other than 0 makes it current (LastPosition cleared when it
// changes); with 0 makes article 1 current when none is.
void SetCurrentArticle(uint16_t number);

// The portable part of LoadFirstArticle: creates the screen view on dc with the
// view rectangle (the client area below the toolbar less the gutters), stores
// it in AppSettings and shows the current article at LastPosition. When the
// article cannot be loaded the user is told ("Resource not found") and the
// view stays empty. Returns 0 when the article is shown, 1 otherwise.
int32_t ShowFirstArticle(void* window, TextDevice* dc, const Rect& viewRect);

// Shows the given article at its first line. Returns 0 on success and 1 when it
// cannot be loaded or laid out (or there is no view); then the current article
// and the view stay as they were.
int32_t GoToArticle(void* window, uint16_t number);

// Moves delta articles on with wrap-around: past the last article to 1, before
// 1 to the last.
int32_t StepArticle(void* window, int32_t delta);
