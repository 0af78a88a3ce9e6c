// Qt implementations of the platform interfaces live beside this file.
