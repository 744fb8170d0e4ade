// The help collection of a language, installed or in the build tree, and the
// working copy the help engine may write beside.
#include "ui/help/help_collection.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <filesystem>

#include "storage/installation.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr QLatin1StringView kFallbackLanguage{"CZECH"};

QString CollectionName(const QString& languageWord) {
    return QStringLiteral("tarvix_%1.qhc").arg(languageWord.trimmed().toUpper());
}

// The documentation files a collection registers.
QStringList DocumentationFiles(const QString& collection) {
    QHelpEngineCore engine(collection);
    engine.setReadOnly(true);
    if (!engine.setupData()) return {};
    QStringList files;
    for (const QString& name : engine.registeredDocumentations())
        files << engine.documentationFileName(name);
    return files;
}

QDateTime NewestChange(const QString& collection, const QStringList& documentation) {
    QDateTime newest = QFileInfo(collection).lastModified();
    for (const QString& file : documentation)
        newest = std::max(newest, QFileInfo(file).lastModified());
    return newest;
}

void SetError(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

QStringList HelpFoldersFor(const QString& applicationDir) {
    // Run from the build tree the shipped data is the source tree's, which
    // holds the pages only: the collections are in the build tree.
    const std::filesystem::path data =
        ShippedDataFolderFor(applicationDir.toStdString(), SourceDataFolder());
    QStringList folders;
    if (!data.empty()) folders << QDir::cleanPath(ToQ(data.string()) + QStringLiteral("/help"));
    folders << QStringLiteral(TARVIX_HELP_BUILD_DIR);
    return folders;
}

QString HelpCollectionFile(const QString& languageWord, const QStringList& folders) {
    for (const QString& language : {languageWord, QString(kFallbackLanguage)}) {
        for (const QString& folder : folders) {
            const QFileInfo file(QDir(folder).filePath(CollectionName(language)));
            if (file.isFile()) return file.absoluteFilePath();
        }
    }
    return {};
}

QString HelpCollectionFile(const QString& languageWord) {
    const std::filesystem::path program = ExecutableFolder();
    return HelpCollectionFile(
        languageWord, HelpFoldersFor(program.empty() ? QCoreApplication::applicationDirPath()
                                                     : ToQ(program.string())));
}

QString HelpCacheFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base + QStringLiteral("/tarvix/help"));
}

QString PrepareWorkingCollection(const QString& shippedCollection, const QString& cacheFolder,
                                 QString* error) {
    const QFileInfo shipped(shippedCollection);
    if (!shipped.isFile()) {
        SetError(error, shippedCollection);
        return {};
    }
    const QStringList documentation = DocumentationFiles(shipped.absoluteFilePath());
    if (documentation.isEmpty()) {
        SetError(error, shippedCollection);
        return {};
    }
    // One copy per shipped collection: the installed one and the build tree's
    // never overwrite each other's copy.
    const QByteArray origin =
        QCryptographicHash::hash(shipped.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(10);
    const QString baseName =
        shipped.completeBaseName() + QLatin1Char('-') + QString::fromLatin1(origin);
    QDir cache(cacheFolder);
    const QString copy = cache.filePath(baseName + QStringLiteral(".qhc"));
    const QFileInfo copyInfo(copy);
    if (copyInfo.isFile() &&
        copyInfo.lastModified() >= NewestChange(shipped.absoluteFilePath(), documentation))
        return copy;

    if (!cache.mkpath(QStringLiteral("."))) {
        SetError(error, cacheFolder);
        return {};
    }
    // Made under a name of its own and renamed over the old copy, so a second
    // program starting at the same time never opens a half-written file.
    const QString temporary = cache.filePath(
        QStringLiteral("%1.%2.tmp.qhc").arg(baseName).arg(QCoreApplication::applicationPid()));
    QFile::remove(temporary);
    bool copied = false;
    {
        QHelpEngineCore engine(shipped.absoluteFilePath());
        engine.setReadOnly(true);
        copied = engine.setupData() && engine.copyCollectionFile(temporary);
        if (!copied) SetError(error, engine.error());
    }
    if (copied) {
        // The copy holds the documentation's name only; opened writable, the
        // engine reads the documentation's pages, contents and keywords into it.
        QHelpEngineCore engine(temporary);
        engine.setReadOnly(false);
        copied = engine.setupData() &&
                 !engine.files(engine.registeredDocumentations().value(0), QString()).isEmpty();
        if (!copied) SetError(error, engine.error());
    }
    if (!copied) {
        QFile::remove(temporary);
        return {};
    }
    // The full-text index of an older copy belongs to older pages.
    QDir(cache.filePath(QLatin1Char('.') + baseName)).removeRecursively();
    QFile::remove(copy);
    if (!QFile::rename(temporary, copy)) {
        QFile::remove(temporary);
        SetError(error, copy);
        return {};
    }
    return copy;
}

}  // namespace tarvix
