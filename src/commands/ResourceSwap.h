// Putting one sound resource in another's place.
#pragma once

class Arrangement;
class TRes;

// Every piece that names `from` names `to` instead, what sounds of `from` stops, and `from`
// goes from the list. `to` is opened already, so that no file is read under the mix lock.
// UI thread only.
void ReplaceResource(Arrangement& arrangement, TRes& from, TRes& to);
