#pragma once

#include <QByteArray>
#include <QSize>

// What a \pict group holds: the kind of its data, its sizes as the file states them and the
// data itself. Only the data's own length decides what is allocated, never a claimed size.
struct RtfPicture
{
    enum class Kind : unsigned char
    {
        None,
        Png,
        Jpeg,
        Dib,      // device-independent bitmap: a BMP file without its file header
        Wbitmap,  // device-dependent bitmap: bare rows of pixels
        Metafile, // WMF, EMF, Mac PICT and the like: nothing the editor can draw
    };

    // Word's largest picture side, 22 inches.
    static constexpr int kMaxTwips = 31680;

    Kind kind = Kind::None;
    int width = 0; // \picw, \pich: pixels, or 0.01 mm for metafiles
    int height = 0;
    int goalWidth = 0; // \picwgoal, \pichgoal: twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    int bitsPerPixel = 1;
    int planes = 1;
    int widthBytes = 0;
    QByteArray data;

    bool showable() const
    {
        return kind == Kind::Png || kind == Kind::Jpeg || kind == Kind::Dib ||
               kind == Kind::Wbitmap;
    }
    // Bytes an image reader takes: PNG and JPEG as they came, bitmaps as BMP files; empty
    // when the data cannot be a picture of its kind.
    QByteArray imageBytes() const;
    // The size the picture is shown at, in whole twips, at most kMaxTwips a side.
    QSize shownTwips() const;
    // The same rule for any size: whole twips, at least one, capped keeping the proportion.
    static QSize cappedTwips(qint64 width, qint64 height);

    static QByteArray bmpFromDib(const QByteArray &dib);
    static QByteArray bmpFromDeviceBitmap(const QByteArray &rows, int width, int height,
                                          int bitsPerPixel, int widthBytes);
};
