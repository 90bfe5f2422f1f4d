#include "community/frmNews.h"

frmNews::frmNews()
{
    setWindowTitle(QStringLiteral("Quelvar News"));
    rtbNews = new RichTextBox(this);
    rtbNews->setFont(QFont(QStringLiteral("Verdana")));
}
