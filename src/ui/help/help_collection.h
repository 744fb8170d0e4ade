// Finding the help collection of a language and preparing the copy the help
// window works on.
//
// The collections are built from data/help by qhelpgenerator: one per
// language, tarvix_<LANGUAGE>.qhc registering tarvix_<LANGUAGE>.qch. The
// program looks for them in the help folder of its shipped data
// (<bin>/../share/tarvix/help when installed) and then in the build tree's
// output folder. A language without a collection gets the Czech one.
#pragma once

#include <QString>

namespace tarvix {

// The help folders to look in for an executable in `applicationDir`, in order:
// the shipped data's (installed, else the source tree's), then the build tree's.
QStringList HelpFoldersFor(const QString& applicationDir);

// The collection file of `languageWord` ("CZECH", "ENGLISH", any case) in the
// first of `folders` that holds it; the Czech collection when no folder holds
// one for that language; empty when there is none at all.
QString HelpCollectionFile(const QString& languageWord, const QStringList& folders);

// The collection of the running program for a language.
QString HelpCollectionFile(const QString& languageWord);

// The help engine writes next to its collection (the full-text index), and an
// installed collection is read-only: the engine works on a copy in
// `cacheFolder`, made again when the shipped collection is newer. The copy
// refers to the shipped documentation file. Returns the copy's path, or empty
// (with `error` set) when it cannot be made.
QString PrepareWorkingCollection(const QString& shippedCollection, const QString& cacheFolder,
                                 QString* error = nullptr);

// $XDG_CACHE_HOME/tarvix/help, or ~/.cache/tarvix/help.
QString HelpCacheFolder();

}  // namespace tarvix
