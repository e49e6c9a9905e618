// What a print of an article must come out as, worked out in the test program
// itself: the article from the embedded book laid out by the core's page loop
// on an information context of the printer, with the reader's font.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "output/article_printing.h"

// The pages the reader's page loop gives article on the printer of the stored
// DevMode with the stored margins, for the display font face and size; 0 when
// the article or the printer cannot be had (failure says why).
int PredictedPages(int article, const wchar_t* faceName, int fontSize, std::string* failure);
// The article's verse numbers in reading order (the first word of each verse).
std::vector<std::u16string> VerseNumbers(int article);
// The article's title in reading order.
std::u16string ArticleTitle(int article);
