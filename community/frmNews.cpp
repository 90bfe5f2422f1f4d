#include "community/frmNews.h"

frmNews::frmNews()
{
    setWindowTitle(QStringLiteral("Quelvar News"));
}
