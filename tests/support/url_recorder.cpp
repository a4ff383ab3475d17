#include "support/url_recorder.h"

void UrlRecorder::open(const QUrl &url)
{
    opened.append(url);
}
