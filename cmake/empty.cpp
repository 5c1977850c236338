// Placeholder so that an empty layer still builds.
